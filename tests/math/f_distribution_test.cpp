#include <gtest/gtest.h>

#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/errors.h"
#include "tests/support/expect_fault.h"
#include "tests/support/reference.h"

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
    // One df at least 300: the tail is the chi-square limit of d1 F (or of
    // d2 / F), summed exactly for even df and with the double-precision
    // normal tail for odd df (2e-7); both at least 300: Paulson's cube root,
    // within 1e-3 of the F distribution itself. References: 50 digits.
    struct Case {
        Real x, d1, d2;
        test::Ref want;
        double tol;
        const char* why;
    } cases[] = {
        {1.1_r, 299, 3000, test::reference::GammaQ(test::Ref(299) / 2, test::Ref(299 * 1.1_r) / 2), 2e-7,
         "odd d1: chi-square(299) at 299 x"},
        {2, 5, 3000, test::reference::GammaQ(test::Ref(5) / 2, test::Ref(10) / 2), 2e-7, "odd d1"},
        {1.3_r, 10, 3000, test::reference::GammaQ(test::Ref(10) / 2, test::Ref(13) / 2), 1e-15, "even d1: exact sum"},
        {1.1_r, 3000, 7, test::reference::GammaP(test::Ref(7) / 2, test::Ref(7 / 1.1_r) / 2), 2e-7,
         "large d1: chi-square(7) at 7 / x"},
        {1.1_r, 300, 3000,
         test::reference::FisherFUpper(300, 3000, test::Ref(1.1_r)),
         1e-3, "both large: Paulson"},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(double(FUpperTail(c.x, c.d1, c.d2)), static_cast<double>(c.want), c.tol) << c.why;
}

TEST(FUpperTail, ZeroIsNotAValidValue) {
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", FUpperTail(0, 3, 3000));
    // The even-numerator form survives x = 0: e is 1 and ln 1 is fine.
    EXPECT_EQ(FUpperTail(0, 2, 2), 1);
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", FUpperTail(0, 3, 4));
}

}  // namespace
}  // namespace tarvik
