// The command line without files or Qt, as the page's module runs it
// (RunCommandLineInMemory), natively: the reference the module's answers
// are compared with, byte for byte (tests/web/corpus.py). --comma first
// reads numbers as a comma desktop writes them.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "calc/command_line_answer.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    tarvik::DecimalMark mark = tarvik::DecimalMark::Point;
    if (!arguments.empty() && arguments.front() == "--comma") {
        mark = tarvik::DecimalMark::Comma;
        arguments.erase(arguments.begin());
    }
    const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const tarvik::CommandLineOutcome outcome = tarvik::RunCommandLineInMemory(arguments, input, mark);
    std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
    std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
    return outcome.status;
}
