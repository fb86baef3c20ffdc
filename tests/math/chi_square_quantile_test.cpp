// The chi-square quantiles: known points, both tails, the small-df start,
// the ends of the probability range. The sweeps are in accuracy_sweep_test.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "math/distributions.h"
#include "tests/support/expect_fault.h"
#include "tests/support/reference.h"
#include "tests/support/stdout_capture.h"

namespace tarvik {
namespace {

using test::EpsilonsFrom;
using test::ReferenceQuantile;
using test::Ref;

// A quantile inherits the tail's error divided by d ln T / d ln x (at
// least about 0.43, at the median of df 1): 8 epsilons of tail give 19.
const Real kQuantileEpsilons = 24;

TEST(ChiSquareQuantile, TextbookPoints) {
    struct Case {
        Real df, p;
        bool upper;
        Real sixDecimals;  // from printed tables and the try-outs' reports; 0: none
        const char* why;
    } cases[] = {
        {1, 0.1_r, false, 0.015791_r, "the small-df start, df 1"},
        {2, 0.005_r, false, 0.010025_r, "the small-df start, df 2"},
        {3, 0.00005_r, false, 0.003284_r, "the small-df start, df 3"},
        {4, 0.0001_r, false, 0, "Wilson-Hilferty start"},
        {5, 0.95_r, false, 11.070498_r, ""},
        {10, 0.01_r, false, 2.558212_r, ""},
        {300, 0.9999_r, false, 0, "where the F-based start was 406.5"},
        {1, 5e-8_r, true, 29.716785_r, "genome-wide significance"},
        {10, 0.05_r / 7, true, 24.177531_r, "a Bonferroni level"},
        {1, 0.0000033_r, true, 21.633714_r, "an upper tail with seven decimals"},
    };
    for (const auto& c : cases) {
        const Real x = c.upper ? ChiSquareUpperQuantile(c.df, c.p) : ChiSquareQuantile(c.df, c.p);
        if (c.sixDecimals != 0) {
            EXPECT_NEAR(double(x), double(c.sixDecimals), 5e-7) << c.why;
        }
        EXPECT_LE(EpsilonsFrom(x, ReferenceQuantile(c.df, Ref(c.p), c.upper)), kQuantileEpsilons) << c.why;
    }
}

TEST(ChiSquareQuantile, EachTailIsSolvedWhereItIsSmall) {
    // 1 - 1e-6 as a Real is 1e-6 plus 5e-23: its complement is exact, and
    // both calls then solve the same upper tail.
    const Real p = 1 - 1e-6_r;
    EXPECT_EQ(ChiSquareQuantile(7, p), ChiSquareUpperQuantile(7, 1 - p));
    EXPECT_EQ(ChiSquareUpperQuantile(7, p), ChiSquareQuantile(7, 1 - p));
}

TEST(ChiSquareQuantile, EndsOfTheProbabilityRange) {
    EXPECT_EQ(ChiSquareQuantile(3, 0), 0);
    EXPECT_EQ(ChiSquareUpperQuantile(3, 1), 0);
    TARVIK_EXPECT_FAULT(EOverflow, "Floating point overflow", ChiSquareQuantile(3, 1));
    TARVIK_EXPECT_FAULT(EOverflow, "Floating point overflow", ChiSquareUpperQuantile(3, 0));
    TARVIK_EXPECT_FAULT(ERangeError, "Range check error", ChiSquareQuantile(0, 0.5_r));
}

TEST(ChiSquareQuantile, SmallDfStart) {
    // The series inversion alone gives ten digits in its region.
    struct Case {
        Real df, p, x;
    } cases[] = {{1, 0.1_r, 0.01579077409_r}, {2, 0.005_r, 0.01002508365_r}, {3, 0.00005_r, 0.003283870369_r}};
    for (const auto& c : cases) EXPECT_NEAR(double(ChiSquareQuantileSmallDf(c.df, c.p) / c.x), 1.0, 1e-9);
}

TEST(ChiSquareQuantile, SmallDfDiagnosticLine) {
    // Far above its region the inversion gives up and says so.
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

TEST(ChiSquareQuantile, DfThatIsNoWholeNumber) {
    for (Real df : {2.5_r, 0.3_r, 301.7_r})
        for (Real p : {1e-10_r, 0.5_r, 0.999_r}) {
            const Real x = ChiSquareQuantile(df, p);
            EXPECT_LE(EpsilonsFrom(x, ReferenceQuantile(df, Ref(p), false)), 64) << double(df) << " " << double(p);
        }
}

}  // namespace
}  // namespace tarvik
