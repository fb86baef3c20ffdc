#include <gtest/gtest.h>

#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/errors.h"
#include "tests/support/expect_fault.h"
#include "tests/support/reference.h"
#include "tests/support/tolerance.h"

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

TEST(Normal, AccurateOnBothSidesOfEveryBandEdge) {
    // Trunc(100 x) picks the method: the series across the middle, the
    // continued fraction on either side, 1 and the direct upper tail beyond
    // +-10. Each pair straddles an edge; 16 epsilons of the larger of Phi
    // and 1 - Phi, the fixed-depth continued fraction's own accuracy.
    for (Real x : {-1.5_r, -1.495_r, 3.005_r, 3.01_r, 10.005_r, 10.01_r, -9.995_r, -10.0_r, -10.01_r}) {
        const test::Ref want = test::reference::Erfc(-test::Ref(x) / sqrt(test::Ref(2))) / 2;
        const Real got = NormalCdfAccurate(x);
        const test::Ref scale = want < 0.5 ? want : test::Ref(1);
        EXPECT_LE(abs(test::Ref(got) - want) / (scale * test::Ref(test::kEps)), 16) << double(x);
    }
}

TEST(Normal, FarUpperTailToTheLastDigit) {
    // 1 - Phi(x) = erfc(x / sqrt 2) / 2 from x = 2 to where it leaves the
    // Real range (about x = 150); 8 epsilons: an exponential of the exact
    // square and a continued fraction evaluated bottom-up.
    for (Real x = 2; x < 160; x *= 1.1_r) {
        const test::Ref want = test::reference::Erfc(test::Ref(x) / sqrt(test::Ref(2))) / 2;
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
