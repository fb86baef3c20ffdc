// Cost of one whole key release in the calculator window (the value chain
// and the cdf chain, chart refresh included, the chart's painting excluded)
// and of one paint of the chart, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "platform/application.h"
#include "window/calculator_window.h"
#include "window/help_window.h"
#include "window/table_window.h"

namespace {

tarvik::CalculatorWindow* gForm = nullptr;

const char* const kValues[] = {"0.5", "3.841459", "18.3", "120.25", "333.7", "850"};
const char* const kCdfs[] = {"0.000001", "0.05", "0.5", "0.95", "0.9999", "0.999999"};
const int kDfs[] = {1, 2, 10, 57, 199, 300};

// Prepares each iteration (df, untimed), then times one edit of the field
// as the user makes it: the whole text replaced, which runs the field's
// chain in the calculator core and shows its effects.
// The slowest single edit is reported too: a key release must be handled
// within one frame at 60 Hz (16.7 ms), whichever df and text it meets.
void RunChain(benchmark::State& state, tarvik::LineEdit* field, const char* const (&texts)[6]) {
    int i = 0;
    double slowest = 0;
    field->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        gForm->dfSpinEdit->SetValue(kDfs[i % 6]);
        field->selectAll();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        field->insert(texts[(i / 6) % 6]);
        slowest = std::max(slowest, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        ++i;
    }
    state.counters["slowest_us"] = slowest;
}

void BM_ValueChain(benchmark::State& state) { RunChain(state, gForm->valueEdit, kValues); }
void BM_CdfChain(benchmark::State& state) { RunChain(state, gForm->cdfEdit, kCdfs); }

void BM_ChartPaint(benchmark::State& state) {
    QImage image(gForm->densityChart->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        gForm->densityChart->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

// One edit of a cell of the largest table the table window takes, 100 x
// 100: the report, the cells' grid and the exact test started off the
// window's thread (stopped again by the next edit), and what the views put
// off to the event loop (the cells' columns measured). Within one frame.
void BM_TableCellEdit(benchmark::State& state) {
    tarvik::TableWindow table;
    QString text;
    for (int i = 0; i < 100; ++i) {
        QStringList row;
        for (int j = 0; j < 100; ++j) row << QString::number(5 + (i * 7 + j * 13) % 40);
        text += row.join('\t') + '\n';
    }
    table.Paste(text);
    int i = 0;
    for (auto _ : state) {
        table.Model().setData(table.Model().index(i % 100, 7), QString::number(10 + i++ % 30), Qt::EditRole);
        QCoreApplication::processEvents();
    }
}

// A 200 x 200 file opened in the table window: read off the window's
// thread and refused (the window takes 100 x 100 at most). Timed whole,
// with the longest the window's thread was held at once, which must stay
// within a frame (16.7 ms).
void BM_TableOpenTooLarge(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath("large.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("no temporary file");
    for (int i = 0; i < 200; ++i) {
        QStringList row;
        for (int j = 0; j < 200; ++j) row << QString::number(5 + (i * 7 + j * 13) % 40);
        file.write((row.join(',') + '\n').toUtf8());
    }
    file.close();
    tarvik::TableWindow table;
    double longestHeld = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        table.Open(path);
        do {
            longestHeld = std::max(longestHeld, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            start = std::chrono::steady_clock::now();
            QCoreApplication::processEvents();
        } while (table.Opening());
    }
    if (table.Model().rowCount() > 100) state.SkipWithError("the 200 x 200 table was taken");
    state.counters["longest_held_ms"] = longestHeld;
}

BENCHMARK(BM_ValueChain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableOpenTooLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableCellEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CdfChain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChartPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    tarvik::Application app(argc, argv);
    app.SetTitle("Tarvik");
    tarvik::HelpWindow help;
    tarvik::CalculatorWindow form(&help);
    form.show();
    gForm = &form;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
