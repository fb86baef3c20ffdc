#pragma once
// The constants the distribution functions share, each in one place.
#include "core/real.h"

namespace tarvik::constants {

// sqrt(2 pi) correctly rounded to the Real (NormalCdf and the accurate
// normal steps), and the 13-digit literal 2.506628274631 of the published
// double-precision approximations (NormalUpperTailFast and the F limit
// form, which only place the chart's range). The two must not be merged.
inline const Real kSqrt2Pi = 2.50662827463100050241576528481_r;
inline const Real kSqrt2Pi13 = 2.506628274631_r;
inline const Real kTwoPi = 6.28318530717958647692528676656_r;

// ln 2 correctly rounded, and the 19-digit literal of the quantile's Taylor
// refinement (one unit lower in the last place; its results keep those bits).
inline const Real kLn2 = 0.693147180559945309417232121458_r;
inline const Real kLn2Digits19 = 0.6931471805599453093_r;

// Counts and parities of df are taken from the whole part of a df-derived
// value plus 0.1, so that 2.9999... from a rounded division still counts 3.
inline const Real kCountOffset = 0.1_r;

// Up to this df the chi-square probabilities use the exact finite sums, and
// the F tail its exact parity sums; the window's largest df.
inline const Real kExactSumLimit = 300;

// The F quantile behind the chi-square quantile's start and the density
// chart's range uses this many denominator degrees of freedom.
inline const Real kFDenominatorDf = 3000;

}  // namespace tarvik::constants
