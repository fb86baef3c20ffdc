#include <gtest/gtest.h>

#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/errors.h"
#include "tests/support/expect_fault.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/tolerance.h"

namespace tarvik {
namespace {

TEST(ChiSquare, Density) {
    struct Case {
        Real df, x, value, tol;
        const char* why;
    } cases[] = {
        {2, 0, 0, 0, "x = 0 gives 0, not the limit 0.5"},
        {0, 1, 0, 0, "df 0 gives 0"},
        {-1, 1, 0, 0, "negative df gives 0"},
        {2, 2, 0.18393972058572116080_r, 128 * test::kEps * 0.18393972058572116080_r,
         "e^-1 / 2: 128 epsilons, exp(ln Gamma(1)) carries the Stirling sum's error"},
        {1, 1, 0.24197072451914334980_r, 512 * test::kEps * 0.24197072451914334980_r, "phi(1): 512 epsilons, as ln Gamma(1/2)"},
        {1, 3.841459_r, 0.029819_r, 5e-7_r, "the layout's density caption"},
    };
    for (const auto& c : cases)
        EXPECT_LE(Abs(ChiSquarePdf(c.df, c.x) - c.value), c.tol) << c.why;
    // The once-per-redraw denominator gives the very same bits.
    for (Real df : {1.0_r, 7.0_r, 299.0_r})
        for (Real x : {0.3_r, 55.0_r, 922.5_r})
            EXPECT_EQ(ChiSquarePdfWith(ChiSquarePdfPrepare(df), x), ChiSquarePdf(df, x));
    // Intermediates near 1e442 at df 299, x 922.5 stay inside the Real range.
    EXPECT_GT(ChiSquarePdf(299, 922.5_r), 0);
}

TEST(ChiSquare, ExactSumsAgainstClosedForms) {
    for (Real x : {0.5_r, 3.0_r, 20.0_r}) {
        // df 2: the Poisson sum is the single term e^(-x/2).
        EXPECT_TRUE(test::WithinEpsilons(ChiSquareUpperTail(2, x), RawExp(-x / 2), 2));
        EXPECT_EQ(ChiSquareUpperTail(1, x), 2 * NormalUpperTail(RawSqrt(x)));
    }
}

TEST(ChiSquare, NinetyFifthPercentiles) {
    struct Case {
        Real df, x;
    } cases[] = {{1, 3.841459_r}, {2, 5.991465_r}, {3, 7.814728_r}, {10, 18.307038_r}};
    for (const auto& c : cases) EXPECT_NEAR(double(ChiSquareCdf(c.df, c.x)), 0.95, 2e-8);
}

TEST(ChiSquare, ZeroValueForEveryWholeDf) {
    for (int df = 1; df <= 300; ++df) {
        EXPECT_EQ(ChiSquareCdf(df, 0), 0) << df;
        EXPECT_EQ(ChiSquareUpperTail(df, 0), 1) << df;
    }
}

TEST(ChiSquare, PathSelection) {
    // df 0 takes the even sum with no terms: the df 2 value.
    EXPECT_EQ(ChiSquareCdf(0, 3), ChiSquareCdf(2, 3));
    EXPECT_EQ(ChiSquarePdf(0, 3), 0);
    // The normal tail at 10 (7.6e-24) vanishes in 1 - Q.
    EXPECT_EQ(ChiSquareCdf(1, 100), 1);
    // df 300 is an exact sum, 300.5 and 301 the incomplete gamma.
    EXPECT_EQ(ChiSquareUpperTail(300, 280), detail::ChiSquareUpperTailEven(300, 280));
    EXPECT_EQ(ChiSquareCdf(300.5_r, 280), ChiSquareCdfGamma(300.5_r, 280, 1e-14_r));
    EXPECT_NEAR(double(ChiSquareCdf(301, 301)), 0.51084, 1e-5);
    EXPECT_NEAR(double(ChiSquareCdf(2.5_r, 3)), 0.69415, 1e-5);
    // The two selectors use different tolerances off the exact path.
    EXPECT_EQ(ChiSquareUpperTail(2.5_r, 3), 1 - ChiSquareCdfGamma(2.5_r, 3, 1e-12_r));
}

TEST(ChiSquare, NegativeValueWritesItsLine) {
    {
        test::StdoutCapture capture;
        // The even sum goes on with the negative value and returns its formula.
        EXPECT_NEAR(double(ChiSquareUpperTail(2, -1)), std::exp(0.5), 1e-15);
        EXPECT_EQ(capture.Text(), "***-1.00000000000000E+0000\n");
    }
    {
        test::StdoutCapture capture;
        TARVIK_EXPECT_FAULT(EInvalidOp, "Invalid floating point operation",
                            ChiSquareUpperTail(3, -2.5_r));
        EXPECT_EQ(capture.Text(), "***-2.50000000000000E+0000\n");
    }
    test::StdoutClosed closed;
    TARVIK_EXPECT_FAULT(EInOutError, "I/O error 105", ChiSquareCdf(4, -1));
}

TEST(ChiSquare, GammaPathFailures) {
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", ChiSquareCdf(2.5_r, 0));
    // A whole df far below zero overflows the 32-bit count.
    TARVIK_EXPECT_FAULT(ERangeError, "Range check error", ChiSquareCdf(-6e9_r, 1));
}

}  // namespace
}  // namespace tarvik
