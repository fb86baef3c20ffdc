#pragma once
// The command line: results, tables and the chart without the window,
// computed by the same core and drawn by the same chart engine. The options
// are in calc/command_request.h and in `tarvik --help`.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tarvik {

// Runs it with `arguments` (the program's name left out) as the bytes the
// program was given: 0 on success (nothing on `err`), 2 on bad input (one
// line on `err`, nothing on `out`, no file written), 1 when a file or
// standard output cannot be written.
int RunCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tarvik
