// McNemar's and the two-proportion powers against direct 50-digit sums;
// the exact McNemar power by brute force over every (b, c) of N pairs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "math/design_power.h"
#include "tests/support/design_reference.h"

namespace tarvik::test {
namespace {

// Every outcome (b, c, rest) of n pairs, and whether the exact binomial
// test of b against c rejects: 2 P(B <= min(b, c)) <= alpha at 1/2.
Ref RefMcNemarExactPower(Real p10r, Real p01r, unsigned n, Real alpha) {
    const Ref p10(p10r), p01(p01r), rest = 1 - p10 - p01;
    Ref power = 0;
    for (unsigned m = 0; m <= n; ++m) {
        // cumulative[i] = 2^-m sum_{j <= i} C(m, j)
        std::vector<Ref> cumulative(m + 1);
        for (unsigned i = 0; i <= m; ++i)
            cumulative[i] = (i ? cumulative[i - 1] : Ref(0)) + reference::BinomialCoefficient(m, i) / pow(Ref(2), m);
        std::vector<bool> rejects(m + 1);
        for (unsigned i = 0; i <= m; ++i) rejects[i] = 2 * cumulative[std::min(i, m - i)] <= Ref(alpha);
        for (unsigned b = 0; b <= m; ++b)
            if (rejects[b])
                power += reference::BinomialCoefficient(n, m) * reference::BinomialCoefficient(m, b) * pow(p10, b) *
                         pow(p01, m - b) * pow(rest, n - m);
    }
    return power;
}

// The power is Phi at a difference of terms each good to a few epsilons;
// Phi's relative error grows with its argument x as |x| times that of x:
// 8 epsilons at most here, within the 64 every probability is held to.
TEST(DesignPower, TwoProportionsAgreesWithTheReference) {
    struct Case {
        Real p1, p2, n1, n2, alpha;
        bool corrected;
        const char* why;
    };
    const std::vector<Case> cases = {
        {0.25_r, 0.40_r, 150, 150, 0.05_r, false, "equal groups"},
        {0.25_r, 0.40_r, 150, 300, 0.05_r, true, "twice as many in group 2, corrected"},
        {0.6_r, 0.3_r, 40, 20, 0.01_r, true, "p2 below p1, small groups"},
        {0.001_r, 0.002_r, 50000, 50000, 0.05_r, false, "rare events"},
        {0.5_r, 0.51_r, 20, 20, 0.05_r, true, "power below alpha: the correction's price"},
        {0.2_r, 0.9_r, 30, 30, 1e-10_r, false, "a tiny alpha"},
        {1e-300_r, 1, 40, 40, 1e-300_r, false, "a proportion of 1e-300 against 1 (once an invalid operation)"},
        {0.3_r, 0.31_r, 2, 2, 0.5_r, true, "the correction past the difference: Phi far below -40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_LE(EpsilonsFrom(TwoProportionsPower(c.p1, c.p2, c.n1, c.n2, c.alpha, c.corrected),
                               RefTwoProportionsPower(c.p1, c.p2, c.n1, c.n2, c.alpha, c.corrected)),
                  kAccuracyEpsilons);
    }
}

// Sums of a few hundred binomial terms, each within a few epsilons: 30
// epsilons at most here.
TEST(DesignPower, McNemarExactPowerAgreesWithTheBruteForceSum) {
    struct Case {
        Real p10, p01;
        unsigned n;
        Real alpha;
        const char* why;
    };
    const std::vector<Case> cases = {
        {0.25_r, 0.1_r, 60, 0.05_r, "a common design"},
        {0.1_r, 0.25_r, 60, 0.05_r, "the other direction: the same power"},
        {0.3_r, 0.3_r, 40, 0.05_r, "no effect: the size of the test, below alpha"},
        {0.05_r, 0.01_r, 120, 0.01_r, "few discordant pairs"},
        {0.5_r, 0.5_r, 5, 0.05_r, "every pair discordant, too few to ever reject"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_LE(EpsilonsFrom(McNemarExactPower(c.p10, c.p01, c.n, c.alpha),
                               RefMcNemarExactPower(c.p10, c.p01, c.n, c.alpha)),
                  kAccuracyEpsilons);
    }
}

TEST(DesignPower, Conversions) {
    struct Case {
        Real got;
        Ref want;
        const char* why;
    };
    const std::vector<Case> cases = {
        {McNemarEffectSize(0.25_r, 0.1_r), Ref("0.15") / sqrt(Ref("0.35")), "|p10 - p01| / sqrt(p10 + p01)"},
        {McNemarEffectSize(McNemarDetectableP10(0.3_r, 0.1_r), 0.1_r), Ref("0.3"), "the detectable p10 gives its w back"},
        {ProportionOfOddsRatio(0.2_r, 2.25_r), Ref("0.36"), "odds 0.25 x 2.25 = 0.5625: p2 = 0.36"},
        {OddsRatioOfProportions(0.2_r, 0.36_r), Ref("2.25"), "and back"},
        {EffectSizeOfCramersV(0.3_r, 3, 4), Ref("0.3") * sqrt(Ref(2)), "w = V sqrt(min(r, c) - 1)"},
        {CramersVOfEffectSize(0.3_r, 5, 2), Ref("0.3"), "a table of two columns: V = w"},
        // Equal groups, 0.2 against 0.36: phi = |p1 - p2| sqrt(g1 g2 / (pbar qbar)).
        {TwoProportionsEffectSize(0.2_r, 0.36_r, 1), Ref("0.08") / sqrt(Ref("0.28") * Ref("0.72")), "phi of 2 x 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_LE(EpsilonsFrom(c.got, c.want), 16);
    }
}

// The searches the designs are solved by: the smallest n that reaches,
// checked at n and n - 1 whatever the guess, and 0 past the largest.
TEST(DesignPower, SmallestWholeReachingFindsTheFirst) {
    const auto from = [](Real first) { return [first](Real n) { return n >= first; }; };
    for (const Real& first : {1.0_r, 2.0_r, 37.0_r, 1000000.0_r})
        for (const Real& guess : {0.5_r, 1.0_r, 36.2_r, 37.0_r, 5e8_r}) {
            SCOPED_TRACE(std::to_string(double(first)) + " from " + std::to_string(double(guess)));
            EXPECT_EQ(SmallestWholeReaching(from(first), guess, 1e9_r), first);
        }
    EXPECT_EQ(SmallestWholeReaching(from(2e9_r), 10, 1e9_r), 0);
    EXPECT_EQ(RisingRoot([](Real x) { return x * x; }, 2, 0, 2), sqrt(2.0_r));
}

}  // namespace
}  // namespace tarvik::test
