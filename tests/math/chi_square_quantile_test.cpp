#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/errors.h"
#include "tests/support/expect_fault.h"
#include "tests/support/stdout_capture.h"

namespace tarvik {
namespace {

TEST(ChiSquareQuantile, KnownPoints) {
    struct Case {
        Real df, p, x, tol;
        const char* why;
    } cases[] = {
        {1, 0.1_r, 0.01579077409_r, 1e-11_r, "small-p inversion, df 1"},
        {2, 0.005_r, 0.01002508365_r, 1e-11_r, "small-p inversion, df 2"},
        {3, 0.00005_r, 0.003283870369_r, 1e-12_r, "small-p inversion, df 3"},
        {1, 0.15_r, 0.03576578_r, 1e-8_r, "threshold itself: F route"},
        {2, 0.01_r, 0.02010067_r, 1e-8_r, "threshold itself: F route"},
        {3, 0.0001_r, 0.005214832_r, 1e-9_r, "threshold itself: F route"},
        {300, 0.99989_r, 399.042_r, 1e-3_r, "just below the high-p threshold"},
        {300, 0.9999_r, 399.756_r, 1e-3_r, "refined too (the F start alone is 406.5)"},
        {5, 0.95_r, 11.07050_r, 1e-5_r, ""},
        {10, 0.01_r, 2.558212_r, 1e-6_r, ""},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(double(ChiSquareQuantile(c.df, c.p)), double(c.x), double(c.tol)) << c.why;
    EXPECT_EQ(ChiSquareQuantile(1, 0.1_r), ChiSquareQuantileSmallDf(1, 0.1_r));
    EXPECT_NE(ChiSquareQuantile(4, 0.0001_r), ChiSquareQuantileSmallDf(4, 0.0001_r));
}

TEST(ChiSquareQuantile, HighTailAtLargestDfIsRefined) {
    // Across the whole stretch where the F start is off, the result inverts
    // the cdf (the p grid includes the spots that broke the F-started step).
    for (Real p : {0.9999_r, 0.99995_r, 0.99998_r, 0.999982_r, 0.999993_r, 0.999999_r}) {
        const Real x = ChiSquareQuantile(300, p);
        EXPECT_NEAR(double(ChiSquareCdf(300, x)), double(p), 1e-12) << double(p);
    }
}

TEST(ChiSquareQuantile, HighTailAtLargestDfConvergesEverywhere) {
    // Every p of the six-decimal grid's stretch [0.9999, 0.999999] in steps
    // of 1e-8: the refinement converges and gives back p.
    Real worst = 0;
    for (int i = 0; i <= 9899; ++i) {
        const Real p = 0.9999_r + i * 1e-8_r;
        const Real x = ChiSquareQuantile(300, p);
        worst = std::max(worst, Abs(ChiSquareCdf(300, x) - p));
    }
    EXPECT_LT(double(worst), 1e-12);
}

TEST(ChiSquareQuantile, SmallDfDiagnosticLine) {
    // Far above the window's thresholds the inversion gives up and says so.
    {
        test::StdoutCapture capture;
        // df 20, p 0.5: x0 = 2 (0.5 Gamma(11))^0.1 = 8.45 and A1 x0 = 3.8.
        const Real x0 = ChiSquareQuantileSmallDf(20, 0.5_r);
        EXPECT_EQ(capture.Text(), " xsmall5   0.5000\n");
        EXPECT_GT(x0, 0);
    }
    test::StdoutClosed closed;
    TARVIK_EXPECT_FAULT(EInOutError, "I/O error 105", ChiSquareQuantileSmallDf(20, 0.5_r));
}

TEST(ChiSquareQuantile, RefineKeepsThePreviousValueOnANegativeStep) {
    // From starts far above the root (0.000157) the first step overshoots
    // below zero, and the value before the step comes back.
    for (Real start : {40.0_r, 5.0_r, 1.0_r}) EXPECT_EQ(ChiSquareQuantileRefine(1, 0.01_r, start, 1e-6_r), start);
}

TEST(ChiSquareQuantile, NonWholeDfUsesTheSeries) {
    const Real x = ChiSquareQuantileRefine(2.5_r, 0.5_r, 1.8_r, 1e-10_r);
    EXPECT_NEAR(double(ChiSquareCdf(2.5_r, x)), 0.5, 1e-9);
}

}  // namespace
}  // namespace tarvik
