#pragma once
// Pixel positions are rounded to nearest, ties to even (the FPU's default
// mode, as std::llrint rounds), so that a chart lays out the same on every
// machine. A position past the int range is never rounded: kLargestInt
// guards the callers that cast to int.
#include <cmath>

namespace tarvik {

inline constexpr double kLargestInt = 2147483647.0;

inline long long RoundEven(double v) { return std::llrint(v); }

}  // namespace tarvik
