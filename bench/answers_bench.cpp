// The command line's work inside one process: the textbook table (df 1 to
// 100 by five upper tails, 500 quantiles, formatted) and a batch of 10,000
// values read from standard input, per result. Process start-up and R side
// by side: scripts/bench-command-line.sh.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/answer_batches.h"
#include "calc/command_request.h"
#include "calc/table_report.h"

namespace {

void TextbookTable(benchmark::State& state) {
    const tarvik::CommandRequest request =
        tarvik::ReadCommandLine({"--df", "1..100", "--upper", "0.10,0.05,0.025,0.01,0.005", "--table"});
    for (auto _ : state) benchmark::DoNotOptimize(tarvik::AnswerText(request));
    state.counters["us/cell"] = benchmark::Counter(500.0, benchmark::Counter::kIsIterationInvariantRate |
                                                              benchmark::Counter::kInvert);
}
BENCHMARK(TextbookTable)->Unit(benchmark::kMillisecond);

// Values spread over the df's range, as a simulation's statistics are.
void StandardInputBatch(benchmark::State& state) {
    std::string input;
    for (int i = 0; i < 10000; ++i) input += std::to_string(0.5 + (i % 997) * 0.041) + "\n";
    for (auto _ : state) {
        tarvik::CommandRequest request = tarvik::ReadCommandLine({"--df", "12", "--value", "-"});
        tarvik::ReadGivenLines(request, input);
        benchmark::DoNotOptimize(tarvik::AnswerText(request));
    }
    state.counters["us/result"] = benchmark::Counter(10000.0, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}
BENCHMARK(StandardInputBatch)->Unit(benchmark::kMillisecond);

// The table window's recomputation as the user types: a 10 x 10 and the
// largest the window takes, a 100 x 100 table, the whole report (tests,
// intervals, every cell's residuals), the exact test excepted (it runs off
// the window's thread). Linear in the cells: the margins are summed once.
// One 60 Hz frame is 16.7 ms.
void TableReport(benchmark::State& state) {
    const auto size = std::size_t(state.range(0));
    tarvik::CountTable counts(size, std::vector<tarvik::Real>(size));
    for (std::size_t i = 0; i < size; ++i)
        for (std::size_t j = 0; j < size; ++j) counts[i][j] = tarvik::Real(5 + (i * 7 + j * 13) % 40);
    for (auto _ : state) benchmark::DoNotOptimize(tarvik::ReportOf(counts, {}));
}
BENCHMARK(TableReport)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// --counts of the 2 x 3 homework table inside the process, its exact test
// included (1301 tables).
void HomeworkCounts(benchmark::State& state) {
    tarvik::CommandRequest request = tarvik::ReadCommandLine({"--counts", "-"});
    request.countsText = "20,15,25\n30,25,10\n";
    for (auto _ : state) benchmark::DoNotOptimize(tarvik::AnswerText(request));
}
BENCHMARK(HomeworkCounts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
