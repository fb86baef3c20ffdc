#pragma once
// Diagnostic lines on the process's standard output. A line that cannot be
// written (no descriptor 1, or a failed write) raises EInOutError(105),
// "I/O error 105" (the file is not open for output), instead, which ends
// the computation like any other fault.
#include <functional>
#include <string>

#include "core/real.h"

namespace tarvik {

// Hands one diagnostic line to the current sink. The default sink writes
// the text and a line end to standard output, whole, or throws
// EInOutError(105); a sink may throw to end the computation the same way.
void WriteDiagnosticLine(const std::string& text);

// Where diagnostic lines go: tests and library users capture or silence
// them. An empty sink restores standard output. Returns the previous sink.
using DiagnosticSink = std::function<void(const std::string& line)>;
DiagnosticSink SetDiagnosticSink(DiagnosticSink sink);

// The default sink.
void WriteLineToStandardOutput(const std::string& text);

// x in scientific notation of width 23: sign or blank, one digit, the
// point, 14 digits, "E", the exponent's sign and 4 digits
// ("-1.00000000000000E+0000").
std::string FormatScientific23(Real x);

// x in fixed notation with `decimals` digits, right-aligned in `width`.
std::string FormatFixedWidth(Real x, int width, int decimals);

}  // namespace tarvik
