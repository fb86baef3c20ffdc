// The Poisson weight lambda^b e^-lambda / Gamma(b + 1) and its parts, at
// the ends of their ranges, against 50-digit closed forms.
#include <gtest/gtest.h>

#include "math/detail.h"
#include "tests/support/reference.h"

namespace tarvik {
namespace {

using test::EpsilonsFrom;
using test::Ref;

Ref StirlingErrorAt(const Ref& b) {
    return test::reference::Lgamma(b + 1) - (b + 0.5) * log(b) + b - log(2 * test::reference::Pi()) / 2;
}

TEST(PoissonWeight, StirlingErrorInItsThreeRegions) {
    // The table of half-integers up to 15, the asymptotic series above, the
    // recurrence for other b: absolute errors below 1e-20, a tenth of an
    // epsilon of a weight.
    for (Real b : {0.5_r, 1.0_r, 7.5_r, 14.5_r, 15.0_r, 15.5_r, 16.0_r, 100.25_r, 32767.5_r, 0.3_r, 2.7_r, 14.9_r}) {
        const Ref want = StirlingErrorAt(Ref(b));
        EXPECT_LT(abs(Ref(detail::StirlingError(b)) - want), Ref(1e-20)) << double(b);
    }
}

TEST(PoissonWeight, AgainstTheClosedFormOverTheWholeRange) {
    // From a weight near 1 to one near the bottom of the Real range, where
    // its exponent is about 11000 and only the double-Real deviance keeps
    // its last digits. 4 epsilons: an exponential, a square root and a
    // division, each correctly rounded within a unit.
    for (Real b : {0.0_r, 0.5_r, 1.0_r, 2.5_r, 31.0_r, 149.5_r, 32767.0_r})
        for (Real lambda : {1e-4000_r, 1e-300_r, 1e-3_r, 0.5_r, 3.0_r, 150.0_r, 11000.0_r, 32000.0_r, 5e5_r}) {
            const Ref want = exp(Ref(b) * log(Ref(lambda)) - Ref(lambda) - test::reference::Lgamma(Ref(b) + 1));
            EXPECT_LE(EpsilonsFrom(detail::PoissonWeight(b, lambda), want), 4)
                << "b " << double(b) << ", lambda " << double(lambda);
        }
    EXPECT_EQ(detail::PoissonWeight(0, 0), 1);
    EXPECT_EQ(detail::PoissonWeight(2, 0), 0);
}

TEST(PoissonWeight, AFactorInTheExponentKeepsAProductInsideTheRange) {
    // w(40, 1e-125) is 1e-5000 / 40!, about 1e-5048: below the Real range;
    // times 1e200 it is inside it again.
    const DoubleReal lnFactor = LogDoubleReal(1e200_r);
    const Ref want =
        exp(40 * log(Ref(1e-125_r)) - Ref(1e-125_r) - test::reference::Lgamma(Ref(41))) * Ref(1e200_r);
    EXPECT_EQ(detail::PoissonWeight(40, 1e-125_r), 0);
    EXPECT_LE(EpsilonsFrom(detail::PoissonWeight(40, 1e-125_r, lnFactor), want), 4);
}

}  // namespace
}  // namespace tarvik
