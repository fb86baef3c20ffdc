#include <gtest/gtest.h>

#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/errors.h"
#include "tests/support/expect_fault.h"
#include "tests/support/reference.h"

namespace tarvik {
namespace {

// Phi at a few points, to 20 digits (independent tabulation).
const Real kPhiMinus2 = 0.02275013194817920720_r;
const Real kPhi1 = 0.84134474606854293024_r;
const Real kUpper5 = 2.8665157187919391167e-7_r;

TEST(Normal, ExactHalfAtZero) {
    EXPECT_EQ(NormalCdf(0), 0.5_r);
    EXPECT_EQ(NormalCdfAccurate(0), 0.5_r);
    EXPECT_EQ(NormalUpperTail(0), 0.5_r);
    // The fast tail has no special case at 0: its polynomial is 7e-10 short.
    EXPECT_NEAR(double(NormalUpperTailFast(0)), 0.4999999995, 1e-9);
    EXPECT_NE(NormalUpperTailFast(0), 0.5_r);
}

TEST(Normal, AccurateVersusApproximations) {
    struct Case {
        Real x, phi, accurateTol, approxTol;
    } cases[] = {
        {1, kPhi1, 1e-15_r, 1e-7_r},
        {-2, kPhiMinus2, 1e-16_r, 1e-7_r},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(double(NormalCdfAccurate(c.x)), double(c.phi), double(c.accurateTol));
        EXPECT_NEAR(double(NormalCdf(c.x)), double(c.phi), double(c.approxTol));
        EXPECT_NEAR(double(1 - NormalUpperTailFast(c.x)), double(c.phi), double(c.approxTol));
    }
    // The direct tail beyond 2 keeps its relative accuracy.
    EXPECT_NEAR(double(NormalUpperTail(5) / kUpper5), 1.0, 1e-13);
}

TEST(Normal, BandEdgesOfTheAccurateSelector) {
    // t = Trunc(100 x) picks the method; each pair straddles an edge.
    EXPECT_EQ(NormalCdfAccurate(-1.5_r), detail::NormalCdfContinuedFraction(-1.5_r));   // t -150
    EXPECT_EQ(NormalCdfAccurate(-1.495_r), detail::NormalCdfSeries(-1.495_r));          // t -149
    EXPECT_EQ(NormalCdfAccurate(3.005_r), detail::NormalCdfSeries(3.005_r));            // t 300
    EXPECT_EQ(NormalCdfAccurate(3.01_r), detail::NormalCdfContinuedFraction(3.01_r));   // t 301
    EXPECT_EQ(NormalCdfAccurate(10.005_r), detail::NormalCdfContinuedFraction(10.005_r));  // t 1000
    EXPECT_EQ(NormalCdfAccurate(10.01_r), 1);                                          // t 1001
    EXPECT_EQ(NormalCdfAccurate(-10), NormalUpperTail(10));                            // t -1000
    // Both methods agree where they meet.
    EXPECT_NEAR(double(detail::NormalCdfSeries(-1.5_r)),
                double(detail::NormalCdfContinuedFraction(-1.5_r)), 1e-15);
}

TEST(Normal, FarUpperTailToTheLastDigit) {
    // 1 - Phi(x) = erfc(x / sqrt 2) / 2 from x = 2 to where it leaves the
    // Real range (about x = 150); 8 epsilons: an exponential of the exact
    // square and a continued fraction evaluated bottom-up.
    for (Real x = 2; x < 160; x *= 1.1_r) {
        const test::Ref want = boost::math::erfc(test::Ref(x) / sqrt(test::Ref(2))) / 2;
        EXPECT_LE(test::EpsilonsFrom(NormalUpperTail(x), want), 8) << double(x);
        // Below -10, beyond its bands, the lower tail is this very tail.
        if (x > 10) {
            EXPECT_LE(test::EpsilonsFrom(NormalCdfAccurate(-x), want), 8) << double(x);
        }
    }
}

TEST(Normal, PrivateDepthsLiveInAByte) {
    // Outside the selector's bands the depth leaves 0..255.
    TARVIK_EXPECT_FAULT(ERangeError, "Range check error", detail::NormalCdfSeries(25));
    TARVIK_EXPECT_FAULT(ERangeError, "Range check error",
                        detail::NormalCdfContinuedFraction(0.3_r));
    TARVIK_EXPECT_FAULT(EInvalidOp, "Invalid floating point operation", NormalCdfAccurate(1e17_r));
}

TEST(Normal, Quantile) {
    struct Case {
        Real p, z, tol;
        const char* why;
    } cases[] = {
        {1, 8, 0, "above the constant: capped"},
        {1.5_r, 8, 0, "above 1: capped"},
        {0.9999999999999999_r, 8.222, 0.001, "the Real constant lets it through"},
        {0.5_r, -1.5e-8_r, 1e-9_r, "the approximation is not exactly 0 at the median"},
        {0.025_r, -1.95996_r, 2e-5_r, "lower tail"},
        {0.975_r, 1.95996_r, 2e-5_r, "upper tail"},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(double(NormalQuantile(c.p)), double(c.z), double(c.tol)) << c.why;
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", NormalQuantile(0));
    // A negative p is not refused: q = p and the result is -z.
    EXPECT_NEAR(double(NormalQuantile(-0.025_r)), -1.95996, 2e-5);
}

}  // namespace
}  // namespace tarvik
