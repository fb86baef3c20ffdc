// The command line over any arguments: it never crashes, every refusal is
// one short line, and what it takes it answers with one line per result.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/command_line_error.h"
#include "calc/answer_batches.h"
#include "calc/command_request.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvik::fuzz::Input in(data, size);
    std::vector<std::string> args;
    const std::string rest = in.Rest();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= rest.size(); ++i)
        if (i == rest.size() || rest[i] == '\0') {
            args.push_back(rest.substr(start, i - start));
            start = i + 1;
        }
    try {
        tarvik::CommandRequest r = tarvik::ReadCommandLine(args);
        if (r.givenOnInput) tarvik::ReadGivenLines(r, "1\n0.5\n");
        // --counts: the file's name stands for its content, with '|' as the
        // line break, so that every table the fuzzer writes is tested.
        // Fisher's exact test gets a second (then its Monte Carlo p, a few
        // seconds at the most), and a fixed seed: each input does one thing.
        if (r.action == tarvik::CommandAction::Counts) {
            r.countsText = r.countsFile;
            for (char& c : r.countsText)
                if (c == '|') c = '\n';
            r.exactSeconds = std::min(r.exactSeconds, 1);
            r.seedGiven = true;
        }
        tarvik::CheckCounts(r);
        // Bounded work per input: small batches are answered in full.
        std::size_t per = r.action == tarvik::CommandAction::Between ? 1 : r.numbers.size();
        if (!r.ncps.empty()) per *= r.ncps.size();
        if (r.action == tarvik::CommandAction::Power) {
            per = 1;
            for (const auto* list : {&r.effects, &r.alphas, &r.powers, &r.sampleSizes})
                if (!list->empty()) per *= list->size();
        }
        if (r.dfs.size() * per > 64) return 0;
        const std::string text = tarvik::AnswerText(r);
        const bool lines = r.action == tarvik::CommandAction::Results || r.action == tarvik::CommandAction::Power;
        if (lines && r.form == tarvik::TableForm::Text) {
            std::size_t count = 0;
            for (char c : text) count += c == '\n';
            if (count != r.dfs.size() * per) std::abort();
        }
    } catch (const tarvik::CommandLineError& e) {
        // Short: a message quotes at most two items of the input, each cut
        // to 60 characters ("--counts 'FILE': row 2, column 2: 'CELL' is
        // not a whole number; ..." reaches 212), never the whole input.
        constexpr std::size_t kLongest = 300;
        if (e.message.empty() || e.message.find('\n') != std::string::npos || e.message.size() > kLongest) std::abort();
    }
    return 0;
}
