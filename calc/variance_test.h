#pragma once
// One variance or standard deviation from a sample: the interval for
// sigma^2 and sigma from the chi-square with n - 1 degrees of freedom,
// (n - 1) s^2 / chi2 at each tail's quantile; and, given sigma0^2, the test
// of sigma^2 = sigma0^2 by (n - 1) s^2 / sigma0^2, with both one-sided p
// and the two-sided one, twice the smaller tail.
#include "calc/computations.h"
#include "calc/text_table.h"
#include "core/number_text.h"

namespace tarvik {

struct VarianceQuestion {
    Real n = 0, variance = 0;                   // the sample's size and its s^2
    ExactTails level{0.95_r, 0.05_r};            // the interval's level and its complement
    bool hasNullVariance = false;
    Real nullVariance = 0;                       // sigma0^2
};

struct VarianceAnswer {
    Real df = 0, varianceLow = 0, varianceHigh = 0, sdLow = 0, sdHigh = 0;
    Real chiSquare = 0, pLower = 0, pUpper = 0, pTwoSided = 0;
};
VarianceAnswer AnswerVariance(const VarianceQuestion& q);

// The command line's record: n, df, s2, var_low, var_high, sd_low,
// sd_high; with sigma0^2 also chi2, p_lower, p_upper and p_two.
TextTable VarianceRecord(const VarianceQuestion& q, const NumberFormat& format);

}  // namespace tarvik
