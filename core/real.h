#pragma once
// The one floating-point type of the mathematics: x87 80-bit extended.
// The exact chi-square sums build intermediates near 1e442 (df 299, x 900),
// far beyond double, so a narrower long double would silently break them.
#include <limits>

namespace tarvik {

using Real = long double;

static_assert(std::numeric_limits<Real>::digits == 64,
              "Real must be the 80-bit extended type with a 64-bit mantissa");
static_assert(std::numeric_limits<Real>::max_exponent10 >= 4932,
              "Real must have the extended exponent range");

}  // namespace tarvik
