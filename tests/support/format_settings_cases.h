#pragma once
// The two decimal conventions the number-text tests run under.
#include "core/format_settings.h"

namespace tarvik::test {

inline const FormatSettings kPoint{'.', ',', '/', ':'};
inline const FormatSettings kComma{',', '.', '.', ':'};

}  // namespace tarvik::test
