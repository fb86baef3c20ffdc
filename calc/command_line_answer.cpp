#include "calc/command_line_answer.h"

#include <iterator>
#include <sstream>

#include "calc/answer_batches.h"
#include "calc/answers.h"
#include "calc/command_line_error.h"
#include "calc/table_test.h"
#include "core/errors.h"
#include "core/translation.h"

namespace tarvik {

CommandLineAnswer AnswerRequest(CommandRequest& request, std::istream& in, const CountsReader& counts,
                                const BatchSink& batches) {
    if (request.action == CommandAction::Help) return {CommandLineHelp(), {}};
    if (request.action == CommandAction::Version) return {std::string("tarvik ") + TARVIK_VERSION + "\n", {}};
    if (AnswersInBatches(request) && request.chartFile.empty()) {
        WriteBatchedAnswer(request, in, batches);
        return {};
    }
    if (request.action == CommandAction::Counts) request.countsText = counts(request, in);
    if (request.givenOnInput) {
        const std::string input{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ReadGivenLines(request, input);
        CheckCounts(request);
    }
    Answer computed = AnswerOf(request);
    return {std::move(computed.text), std::move(computed.notes)};
}

std::string CountsFromInput(const CommandRequest& request, std::istream& in) {
    std::string text;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, std::size_t(in.gcount()));
        if (std::int64_t(text.size()) > kLargestTableBytes)
            throw CommandLineError{Fill(Tr("CommandLine", "--counts %1 is larger than 64 MiB"), {Quoted(request.countsFile)})};
    }
    return text;
}

CommandLineOutcome RunCommandLineInMemory(const std::vector<std::string>& arguments, const std::string& input,
                                          DecimalMark mark, const InMemoryHooks& hooks) {
    CommandLineOutcome outcome;
    std::istringstream in(input);
    const auto noFiles = [](const char* option) {
        return CommandLineError{Fill(Tr("CommandLine", "%1 reads or writes a file, and there are no files here"), {option})};
    };
    try {
        CommandRequest request = ReadCommandLine(arguments, mark);
        request.exactProgress = hooks.exactProgress;
        if (!request.outputFile.empty()) throw noFiles("--output");
        if (!request.chartFile.empty()) throw noFiles("--export-chart");
        const CountsReader counts = [&](const CommandRequest& r, std::istream& from) {
            if (r.countsFile != "-") throw noFiles("--counts");
            return CountsFromInput(r, from);
        };
        CommandLineAnswer answer = AnswerRequest(request, in, counts, [&](std::string_view batch) { outcome.out += batch; });
        outcome.out += answer.text;
        for (const std::string& note : answer.notes) outcome.err += "tarvik: " + note + "\n";
    } catch (const CommandLineError& bad) {
        return {2, "", "tarvik: " + bad.message + "\n"};
    } catch (const Exception& e) {
        return {1, "", "tarvik: " + e.Message() + "\n"};
    }
    return outcome;
}

}  // namespace tarvik
