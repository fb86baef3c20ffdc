#pragma once
// Number patterns of the axis labels: "#" an optional digit, "0" a required
// one, "," in the integer part a thousands grouping, "." the decimal
// separator; the value is rounded (halves away from zero) to the decimals
// the pattern allows. "#,###.00#" writes .05, .10, .125, 1.00 and .00 for 0.
#include <string>

#include "core/format_settings.h"

namespace tarvik {

std::string FormatNumberPattern(double value, const std::string& pattern,
                                const FormatSettings& fs = CurrentFormatSettings());

}  // namespace tarvik
