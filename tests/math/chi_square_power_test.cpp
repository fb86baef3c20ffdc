// Power and sample size against the 50-digit reference: the central
// critical value from Boost's gamma_q at 50 digits, the power from Boost's
// non_central_chi_squared at 50 digits beside it. The power is one upper
// tail at one critical value: 64 epsilons, as for the tails themselves,
// plus the critical value's own few units times the tail's slope there.
#include <gtest/gtest.h>


#include <string>
#include <vector>

#include "math/chi_square_power.h"
#include "math/distributions.h"
#include "tests/support/reference.h"

namespace tarvik::test {
namespace {

// The tail's own 64 and as much again for the critical value it is taken at.
const Real kPowerEpsilons = 2 * kAccuracyEpsilons;

Ref ReferencePower(Real df, Real w, Real alpha, Real n) {
    const Ref c = ReferenceQuantile(df, Ref(alpha), true);
    return reference::NoncentralUpper(Ref(df), Ref(n) * Ref(w) * Ref(w), c);
}

struct SampleSizeCase {
    Real df, w, alpha, power;
    long long n;  // published (Cohen 1988, chapter 7; G*Power), or 0: the reference alone
    const char* why;
};

// N is the smallest whole N whose power reaches the target: checked on the
// reference at N and at N - 1, so that neither rounding nor a shifted
// convention can pass.
TEST(ChiSquarePower, SampleSizeIsTheSmallestNThatReachesThePower) {
    const std::vector<SampleSizeCase> cases = {
        {2, 0.3_r, 0.05_r, 0.8_r, 108, "the worked example: df 2, medium effect"},
        {1, 0.1_r, 0.05_r, 0.8_r, 785, "Cohen's small effect, df 1"},
        {1, 0.3_r, 0.05_r, 0.8_r, 88, "medium, df 1"},
        {1, 0.5_r, 0.05_r, 0.8_r, 32, "large, df 1"},
        {6, 0.1_r, 0.01_r, 0.95_r, 0, "small effect, a 4 x 3 table at 1 %: checked on the reference only"},
        {3, 0.5_r, 0.05_r, 0.01_r + 0.05_r, 1, "a power just above alpha: one observation is enough"},
        {1, 0.01_r, 5e-8_r, 0.9_r, 0, "genome-wide alpha with a tiny effect"},
        // Far below the target the power's slope is tiny beside the gap: an
        // unguarded Newton step leapt to lambda 1e27 and never came back.
        {32, 0.3_r, 5e-50_r, 0.8_r, 0, "alpha 5e-50 at df 32 (once: no convergence)"},
        {32, 0.3_r, 5e-67_r, 0.8_r, 0, "alpha 5e-67 at df 32 (once: a hang, found by fuzzing)"},
        {1, 0.5_r, 1e-300_r, 0.999_r, 0, "the smallest alpha the command line takes"},
    };
    for (const SampleSizeCase& c : cases) {
        SCOPED_TRACE(c.why);
        const Real n = ChiSquareTestSampleSize(c.df, c.w, c.alpha, c.power, 1e9_r);
        if (c.n) {
            EXPECT_EQ(n, Real(c.n));
        }
        ASSERT_GE(n, 1);
        EXPECT_GE(ReferencePower(c.df, c.w, c.alpha, n), Ref(c.power));
        if (n > 1) {
            EXPECT_LT(ReferencePower(c.df, c.w, c.alpha, n - 1), Ref(c.power));
        }
    }
    EXPECT_EQ(ChiSquareTestSampleSize(1, 0.0001_r, 0.05_r, 0.999999_r, 1e9_r), 0);  // beyond 1e9
}

TEST(ChiSquarePower, PowerAgreesWithTheReference) {
    struct Case {
        Real df, w, alpha, n;
    };
    for (const Case& c : std::vector<Case>{{2, 0.3_r, 0.05_r, 108}, {1, 0.1_r, 0.05_r, 10}, {20, 0.2_r, 0.001_r, 500},
                                           {100, 0.05_r, 0.05_r, 100000}, {1, 0.5_r, 1e-12_r, 400}}) {
        SCOPED_TRACE("df " + std::to_string(double(c.df)) + " N " + std::to_string(double(c.n)));
        EXPECT_LE(EpsilonsFrom(ChiSquareTestPower(c.df, c.w, c.alpha, c.n), ReferencePower(c.df, c.w, c.alpha, c.n)),
                  kPowerEpsilons);
    }
}

// Each solved quantity gives back the power it was solved for.
TEST(ChiSquarePower, SolvedQuantitiesRoundTrip) {
    for (const Real& df : {1.0_r, 4.0_r, 30.0_r})
        for (const Real& power : {0.5_r, 0.8_r, 0.99_r}) {
            SCOPED_TRACE("df " + std::to_string(double(df)) + " power " + std::to_string(double(power)));
            const Real w = ChiSquareTestEffectSize(df, 0.05_r, power, 200);
            EXPECT_NEAR(double(ChiSquareTestPower(df, w, 0.05_r, 200)), double(power), 1e-17);
            const Real alpha = ChiSquareTestAlpha(df, 0.25_r, power, 200);
            EXPECT_NEAR(double(ChiSquareTestPower(df, 0.25_r, alpha, 200) / power), 1, 1e-16);
        }
}

TEST(ChiSquarePower, EffectSizesFromProportions) {
    // sqrt(sum (p1 - p0)^2 / p0) = sqrt(2 x 0.125^2 / 0.25), every input exact;
    // the 2 x 2 table's w is its phi, sqrt(1/6).
    EXPECT_LE(EpsilonsFrom(EffectSizeOfProportions({0.25_r, 0.25_r, 0.25_r, 0.25_r}, {0.125_r, 0.375_r, 0.25_r, 0.25_r}),
                           sqrt(Ref(0.125))),
              1);
    EXPECT_NEAR(double(EffectSizeOfTable({{0.3_r, 0.2_r}, {0.1_r, 0.4_r}})), 0.408248290463863016, 1e-17);
    // Counts in place of probabilities: the same table scaled.
    EXPECT_NEAR(double(EffectSizeOfTable({{30, 20}, {10, 40}})), 0.408248290463863016, 1e-17);
    EXPECT_EQ(EffectSizeOfTable({{1, 2}, {2, 4}}), 0);  // independent: no effect
}

}  // namespace
}  // namespace tarvik::test
