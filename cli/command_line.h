#pragma once
// The command line: results, tables and the chart without the window,
// computed by the same core and drawn by the same chart engine. The options
// are in calc/command_request.h and in `tarvik --help`.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "calc/number_lists.h"

namespace tarvik {

// Runs it with `arguments` (the program's name left out) as the bytes the
// program was given: 0 on success (nothing on `err`), 2 on bad input (one
// line on `err`, nothing on `out`, no file written), 1 when a file or
// standard output cannot be written.
// Numbers are read as the desktop writes them (`mark`): on a comma desktop
// "23,5" is one number and lists take semicolons. What is printed keeps the
// point, for the programs that read it.
int RunCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
                   DecimalMark mark);

// The decimal mark of the desktop's number format (LC_NUMERIC, LC_ALL or
// LANG; the region's settings on Windows).
DecimalMark DesktopDecimalMark();

}  // namespace tarvik
