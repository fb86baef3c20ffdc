#pragma once
// Diagnostic lines on the process's standard output. A line that cannot be
// written (no descriptor 1, or a failed write) raises the runtime's I/O
// error 105 ("file not open for output") instead, which ends the computation.
#include <string>

#include "core/real.h"

namespace tarvik {

// Writes text and a line end to standard output, whole, or throws EInOutError(105).
void WriteDiagnosticLine(const std::string& text);

// x in the runtime's scientific notation of width 23: sign or blank, one
// digit, the point, 14 digits, "E", the exponent's sign and 4 digits.
std::string FormatScientific23(Real x);

// x in fixed notation with `decimals` digits, right-aligned in `width`.
std::string FormatFixedWidth(Real x, int width, int decimals);

}  // namespace tarvik
