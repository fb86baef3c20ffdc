// McNemar's and Bowker's tests against 50-digit references (the binomial
// sums term by term, the chi-square tails by Boost) and R's mcnemar.test
// and binom.test.
#include "math/paired_table.h"

#include <gtest/gtest.h>

#include "tests/support/reference_functions.h"

namespace tarvik::test {
namespace {

// P(X <= x) for X binomial in n at 1/2, every term at 50 digits.
Ref BinomialHalfAtMost(unsigned x, unsigned n) {
    Ref sum = 0;
    for (unsigned k = 0; k <= x; ++k) sum += reference::BinomialCoefficient(n, k);
    return sum / pow(Ref(2), n);
}

double Relative(Real got, const Ref& want) {
    return double(abs((Ref(static_cast<long double>(got)) - want) / want));
}

// 32 epsilons: a chi-square tail of a few operations' statistic, and the
// exact p a compensated sum of LnFactorial terms.
constexpr double kTolerance = 32 * 1.0842021724855044e-19;

TEST(PairedTable, McNemarAgainstItsDefinitions) {
    const struct {
        unsigned b, c;
        double rOddsLow, rOddsHigh;  // from R's binom.test interval for b of b + c
    } cases[] = {
        {86, 150, 0.30294042332196813 / (1 - 0.30294042332196813), 0.42932675184644986 / (1 - 0.42932675184644986)},
        {12, 3, 0.519108866193147 / (1 - 0.519108866193147), 0.95668799489416334 / (1 - 0.95668799489416334)},
        {4, 0, 0.39763536438352542 / (1 - 0.39763536438352542), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.b) + " against " + std::to_string(c.c));
        const McNemarResult m = McNemarTest(c.b, c.c);
        ASSERT_TRUE(m.defined);
        const Ref n = c.b + c.c, d = abs(Ref(int(c.b) - int(c.c)));
        EXPECT_LT(Relative(m.chiSquare, d * d / n), kTolerance);
        EXPECT_LT(Relative(m.p, reference::ChiSquaredUpper(1, d * d / n)), kTolerance);
        EXPECT_LT(Relative(m.correctedP, reference::ChiSquaredUpper(1, (d - 1) * (d - 1) / n)), kTolerance);
        const unsigned smaller = std::min(c.b, c.c);
        const Ref tail = BinomialHalfAtMost(smaller, c.b + c.c);
        EXPECT_LT(Relative(m.exactP, std::min(Ref(1), 2 * tail)), kTolerance);
        const Ref at = reference::BinomialCoefficient(c.b + c.c, smaller) / pow(Ref(2), c.b + c.c);
        EXPECT_LT(Relative(m.midP, std::min(Ref(1), 2 * tail - at)), kTolerance);
        // R solves its Clopper-Pearson ends with qbeta to about 1e-15.
        EXPECT_NEAR(double(m.oddsRatio.lower), c.rOddsLow, 1e-12 * c.rOddsLow);
        EXPECT_EQ(m.oddsRatio.upperInfinite, c.rOddsHigh < 0);
        if (c.rOddsHigh > 0) {
            EXPECT_NEAR(double(m.oddsRatio.upper), c.rOddsHigh, 1e-12 * c.rOddsHigh);
        }
    }
    EXPECT_FALSE(McNemarTest(0, 0).defined);  // no discordant pair: nothing to test
}

// R's mcnemar.test of a 3 x 3 table: 2.2666666666667, df 3, p 0.51893674802127.
TEST(PairedTable, Bowker) {
    const BowkerResult b = BowkerTest({{20, 10, 2}, {5, 30, 6}, {3, 4, 25}});
    ASSERT_TRUE(b.defined);
    EXPECT_EQ(b.df, 3);
    EXPECT_LT(Relative(b.chiSquare, Ref(34) / 15), kTolerance);  // 25/15 + 1/5 + 4/10
    EXPECT_LT(Relative(b.p, reference::ChiSquaredUpper(3, Ref(34) / 15)), kTolerance);
    EXPECT_NEAR(double(b.p), 0.51893674802127, 1e-13);
    // An empty pair says nothing of symmetry: left out of the sum and df.
    EXPECT_EQ(BowkerTest({{5, 0, 1}, {0, 5, 2}, {3, 4, 5}}).df, 2);
}

}  // namespace
}  // namespace tarvik::test
