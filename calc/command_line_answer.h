#pragma once
// What the command line prints, computed without files, Qt or a process:
// the desktop's command line (cli/) reads the files and writes the answer
// out; a front end with no files (the browser's page) runs it whole in
// memory.
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "calc/batched_answer.h"
#include "calc/command_request.h"

namespace tarvik {

// The answer of a request: its text (empty where it went to the batches'
// sink) and the lines for standard error.
struct CommandLineAnswer {
    std::string text;
    std::vector<std::string> notes;
};

// The text of the table of --counts: its file's, or standard input's for
// "-" (CountsFromInput).
using CountsReader = std::function<std::string(const CommandRequest&, std::istream&)>;

// Computes the answer of a request read by ReadCommandLine: help, version,
// a long answer written a batch at a time into `batches`, or the whole
// text. Throws CommandLineError on bad input, Exception where a result
// cannot be computed or a batch cannot be kept.
CommandLineAnswer AnswerRequest(CommandRequest& request, std::istream& in, const CountsReader& counts,
                                const BatchSink& batches);

// Standard input's table, read whole; past kLargestTableBytes it is refused
// as it is read, so an endless one does not grow without bound.
std::string CountsFromInput(const CommandRequest& request, std::istream& in);

// The whole command line in memory: the exit status (0; 2 on bad input,
// one line on `err` and nothing on `out`; 1 where a result cannot be
// computed), standard output's text and standard error's lines. There are
// no files: --counts takes "-" (the text `input`), and --output,
// --export-chart or a file for --counts are refused.
struct CommandLineOutcome {
    int status = 0;
    std::string out, err;
};
// What a front end sets beyond the arguments (CommandRequest's
// exactProgress).
struct InMemoryHooks {
    std::function<bool(double done, bool sampling)> exactProgress;
};
CommandLineOutcome RunCommandLineInMemory(const std::vector<std::string>& arguments, const std::string& input,
                                          DecimalMark mark, const InMemoryHooks& hooks = {});

}  // namespace tarvik
