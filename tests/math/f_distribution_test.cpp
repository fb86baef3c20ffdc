#include <gtest/gtest.h>

#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/errors.h"
#include "tests/support/expect_fault.h"

namespace tarvik {
namespace {

TEST(FUpperTail, ExactParitySums) {
    struct Case {
        Real x, d1, d2, value, tol;
        const char* why;
    } cases[] = {
        {1, 2, 2, 0.5_r, 1e-18_r, "1/(1+x)"},
        {3, 2, 2, 0.25_r, 1e-18_r, "1/(1+x)"},
        {1, 3, 4, 0.4789491192_r, 1e-10_r, "d1 odd, d2 even"},
        {2.5_r, 2, 7, 0.1516033433_r, 1e-10_r, "d1 even"},
        {0.7_r, 5, 5, 0.6474714085_r, 1e-10_r, "both odd"},
        {2, 9, 3, 0.3084838138_r, 1e-10_r, "both odd"},
        {3, 1, 7, 0.1268703669_r, 1e-10_r, "d1 = 1: B = 0"},
        {0.5_r, 7, 1, 0.7997999258_r, 1e-10_r, "d2 = 1: A = 2 theta / pi"},
        {1.3_r, 1, 1, 0.4583626808_r, 1e-10_r, "both 1"},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(double(FUpperTail(c.x, c.d1, c.d2)), double(c.value), double(c.tol)) << c.why;
}

TEST(FUpperTail, LargeDfForms) {
    EXPECT_EQ(FUpperTail(1.1_r, 299, 3000), detail::ChiSquareLimitTail(299, 299 * 1.1_r));
    EXPECT_EQ(FUpperTail(1.1_r, 300, 3000), detail::FUpperTailPaulson(1.1_r, 300, 3000));
    EXPECT_EQ(FUpperTail(1.1_r, 3000, 7), 1 - detail::ChiSquareLimitTail(7, 7 / 1.1_r));
    // The odd limit form is only as good as the fast normal tail.
    EXPECT_NEAR(double(FUpperTail(2, 5, 3000)), 0.0752352, 2e-7);
    EXPECT_EQ(FUpperTail(2, 5, 3000), detail::ChiSquareLimitTail(5, 10));
    // Limit forms against the exact chi-square tail.
    EXPECT_NEAR(double(detail::ChiSquareLimitTail(10, 18.307038_r)), 0.05, 1e-8);
    EXPECT_NEAR(double(detail::ChiSquareLimitTail(299, 430)), double(ChiSquareUpperTail(299, 430)),
                1e-7);
}

TEST(FUpperTail, ZeroIsNotAValidValue) {
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", FUpperTail(0, 3, 3000));
    // The even-numerator form survives x = 0: e is 1 and ln 1 is fine.
    EXPECT_EQ(FUpperTail(0, 2, 2), 1);
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", FUpperTail(0, 3, 4));
}

}  // namespace
}  // namespace tarvik
