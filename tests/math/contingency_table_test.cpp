// The table tests against the 50-digit reference: Pearson's and the
// likelihood-ratio statistics from their definitions, sum (O - E)^2 / E
// and 2 sum O ln(O / E), in 50 digits; Fisher's p by brute force over
// every table with the margins, from binomial coefficients in 50 digits.
// Tolerance: 64 epsilons (3.5e-18), a sixth of the 2e-17 goal. A Pearson
// term is four roundings and a G^2 term a double-Real deviance, summed
// with compensation; a Fisher term is a double-Real sum of nine log
// factorials, so none of them should come near it.
#include <gtest/gtest.h>


#include <string>
#include <vector>

#include "core/errors.h"
#include "math/contingency_table.h"
#include "tests/support/noncentral_reference.h"
#include "tests/support/reference.h"

namespace tarvik::test {
namespace {

struct Reference {
    Ref pearson, likelihoodRatio;
};

Reference ReferenceStatistics(const CountTable& t) {
    std::vector<Ref> rows(t.size(), 0), columns(t[0].size(), 0);
    Ref total = 0;
    for (std::size_t i = 0; i < t.size(); ++i)
        for (std::size_t j = 0; j < t[0].size(); ++j) {
            rows[i] += Ref(t[i][j]);
            columns[j] += Ref(t[i][j]);
            total += Ref(t[i][j]);
        }
    Reference r{0, 0};
    for (std::size_t i = 0; i < t.size(); ++i)
        for (std::size_t j = 0; j < t[0].size(); ++j) {
            const Ref o(t[i][j]), e = rows[i] * columns[j] / total;
            r.pearson += (o - e) * (o - e) / e;
            if (o > 0) r.likelihoodRatio += 2 * o * log(o / e);
        }
    return r;
}

struct TableCase {
    CountTable counts;
    const char* why;
};

TEST(ContingencyTable, StatisticsAgreeWithTheReference) {
    const std::vector<TableCase> cases = {
        {{{20, 15, 25}, {30, 25, 10}}, "the 2 x 3 homework table"},
        {{{12, 5}, {3, 9}}, "a small 2 x 2"},
        {{{0, 7}, {9, 3}}, "a zero cell: its G^2 term is E alone"},
        {{{1000000, 1000001}, {999999, 1000000}}, "O and E agree to 1e-6: the terms cancel in a plain formula"},
        {{{123456789, 987654321}, {192837465, 564738291}}, "N O near 2^64"},
        {{{999999999999999, 999999999999999}, {999999999999999, 1000000000000000}},
         "counts near 1e15: N O near 4e30, the statistic 2.5e-16 (once 1.2e-5 off)"},
        {{{1000000000000, 1000000000001}, {1000000000003, 1000000000000}}, "cells of 1e12 (once 8.2e-9 off)"},
        {{{1e15, 3e14, 7}, {2e14, 999999999999999, 5e14}, {1, 2, 3e14}}, "3 x 3 of counts from 1 to 1e15"},
        {{{1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}, {2, 2, 2, 2, 2}, {9, 0, 1, 0, 7}}, "4 x 5 with zeros"},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.why);
        const Reference want = ReferenceStatistics(c.counts);
        EXPECT_LE(EpsilonsFrom(PearsonChiSquare(c.counts), want.pearson), kAccuracyEpsilons);
        EXPECT_LE(EpsilonsFrom(LikelihoodRatioChiSquare(c.counts), want.likelihoodRatio), kAccuracyEpsilons);
    }
    // A 30 x 30 table of counts 1 to 900, in a pattern far from independence.
    CountTable large(30, std::vector<Real>(30));
    for (int i = 0; i < 30; ++i)
        for (int j = 0; j < 30; ++j) large[i][j] = Real(1 + (i * 37 + j * 11) % 900);
    const Reference want = ReferenceStatistics(large);
    EXPECT_LE(EpsilonsFrom(PearsonChiSquare(large), want.pearson), kAccuracyEpsilons);
    EXPECT_LE(EpsilonsFrom(LikelihoodRatioChiSquare(large), want.likelihoodRatio), kAccuracyEpsilons);
    EXPECT_EQ(IndependenceDf(large), 29 * 29);
}

// Yates' correction lowers |O - E| by 1/2, never below 0 (R's chisq.test);
// checked against its definition in 50 digits.
TEST(ContingencyTable, YatesCorrection) {
    for (const CountTable& t : std::vector<CountTable>{{{12, 5}, {3, 9}}, {{10, 10}, {10, 11}}, {{0, 7}, {9, 3}},
                                                       {{999999999999999, 3}, {7, 1000000000000000}}}) {
        const Ref n = Ref(t[0][0] + t[0][1] + t[1][0] + t[1][1]);
        Ref want = 0;
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) {
                const Ref e = Ref(t[i][0] + t[i][1]) * Ref(t[0][j] + t[1][j]) / n;
                const Ref d = abs(Ref(t[i][j]) - e);
                const Ref c = d - (d < Ref(0.5) ? d : Ref(0.5));
                want += c * c / e;
            }
        if (want == 0) {
            EXPECT_EQ(YatesChiSquare(t), 0);  // |O - E| below 1/2 everywhere
        } else {
            EXPECT_LE(EpsilonsFrom(YatesChiSquare(t), want), kAccuracyEpsilons);
        }
    }
    EXPECT_THROW(YatesChiSquare({{1, 2, 3}, {4, 5, 6}}), ERangeError);
}

Ref ReferenceHypergeometric(unsigned a, unsigned r1, unsigned r2, unsigned c1) {
    using test::reference::BinomialCoefficient;
    return BinomialCoefficient(r1, a) * BinomialCoefficient(r2, c1 - a) / BinomialCoefficient(r1 + r2, c1);
}

// Every table with the margins, in 50 digits: those no more probable than
// the observed one (within R's relative 1e-7) add up to the p-value.
Ref ReferenceFisherTwoByTwo(const CountTable& t) {
    const unsigned r1 = unsigned(t[0][0] + t[0][1]), r2 = unsigned(t[1][0] + t[1][1]),
                   c1 = unsigned(t[0][0] + t[1][0]);
    const Ref observed = ReferenceHypergeometric(unsigned(t[0][0]), r1, r2, c1) * Ref(1 + 1e-7);
    Ref p = 0;
    for (unsigned a = c1 > r2 ? c1 - r2 : 0; a <= std::min(r1, c1); ++a) {
        const Ref term = ReferenceHypergeometric(a, r1, r2, c1);
        if (term <= observed) p += term;
    }
    return p;
}

TEST(ContingencyTable, FisherExactAgreesWithTheBruteForceSum) {
    const std::vector<TableCase> cases = {
        {{{12, 5}, {3, 9}}, "R's fisher.test: 0.02533"},
        {{{3, 1}, {1, 3}}, "Fisher's tea tasting: 0.4857"},
        {{{10, 0}, {0, 10}}, "the most extreme table: 2 / C(20, 10)"},
        {{{5, 5}, {5, 5}}, "the mode itself: every table counts, p = 1"},
        {{{0, 0}, {4, 6}}, "an empty row: one table only"},
        {{{500, 20}, {480, 100}}, "large counts: thousands of tables, far tails below 1e-20"},
        {{{1, 300}, {40, 2}}, "the observed far in the left tail, the right tail long"},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_LE(EpsilonsFrom(FisherExactTwoByTwo(c.counts), ReferenceFisherTwoByTwo(c.counts)), kAccuracyEpsilons);
    }
    EXPECT_NEAR(double(FisherExactTwoByTwo({{12, 5}, {3, 9}})), 0.02533, 5e-6);
    EXPECT_NEAR(double(FisherExactTwoByTwo({{3, 1}, {1, 3}})), 0.4857, 5e-5);
}

TEST(ContingencyTable, GoodnessOfFit) {
    // The homework: 18, 22, 30, 30 against equal counts of 25:
    // (49 + 9 + 25 + 25) / 25 = 4.32 exactly.
    EXPECT_LE(EpsilonsFrom(PearsonGoodnessOfFit({18, 22, 30, 30}, {1, 1, 1, 1}), Ref("4.32")), 2);
    // Proportions and expected counts are the same weights.
    EXPECT_EQ(PearsonGoodnessOfFit({18, 22, 30, 30}, {25, 25, 25, 25}),
              PearsonGoodnessOfFit({18, 22, 30, 30}, {0.25_r, 0.25_r, 0.25_r, 0.25_r}));
    const Ref g2 = 2 * (Ref(18) * log(Ref(18) / 25) + Ref(22) * log(Ref(22) / 25) + Ref(60) * log(Ref(30) / 25));
    EXPECT_LE(EpsilonsFrom(LikelihoodRatioGoodnessOfFit({18, 22, 30, 30}, {1, 1, 1, 1}), g2), kAccuracyEpsilons);
    // Uneven proportions, one observed 0.
    const Ref e0 = Ref(60) * Ref("0.5"), e1 = Ref(60) * Ref("0.375"), e2 = Ref(60) * Ref("0.125");
    const Ref want = (Ref(41) - e0) * (Ref(41) - e0) / e0 + (Ref(19) - e1) * (Ref(19) - e1) / e1 + e2;
    EXPECT_LE(EpsilonsFrom(PearsonGoodnessOfFit({41, 19, 0}, {0.5_r, 0.375_r, 0.125_r}), want), kAccuracyEpsilons);
    // Near a fit of counts near 1e9, each residual keeps its digits (formed
    // from O - E with E rounded it once lost nine of them).
    const std::vector<Real> near{1000000001, 2000000000, 2999999999, 4000000000}, weights{1, 2, 3, 4};
    const std::vector<Real> residuals = GoodnessOfFitResiduals(near, weights);
    for (std::size_t i = 0; i < near.size(); ++i) {
        const Ref e = Ref(10000000000) * Ref(weights[i]) / 10;
        EXPECT_LE(EpsilonsFrom(residuals[i], (Ref(near[i]) - e) / sqrt(e)), kAccuracyEpsilons);
    }
}

TEST(ContingencyTable, ResidualsAndEffectSizes) {
    const CountTable t{{20, 15, 25}, {30, 25, 10}};
    // Cell (1, 3): O = 25, R = 60, C = 35, N = 125, E = 16.8.
    const Ref e = Ref(60) * 35 / 125;
    EXPECT_LE(EpsilonsFrom(PearsonResidual(t, 0, 2), (25 - e) / sqrt(e)), kAccuracyEpsilons);
    const Ref adjusted = (25 - e) / sqrt(e * (1 - Ref(60) / 125) * (1 - Ref(35) / 125));
    EXPECT_LE(EpsilonsFrom(AdjustedResidual(t, 0, 2), adjusted), kAccuracyEpsilons);
    EXPECT_GT(AdjustedResidual(t, 0, 2), 2.9);  // the cell that drives the test
    EXPECT_EQ(AdjustedResidual({{3, 4}, {0, 0}}, 0, 0), 0);  // a row holding every count
    // phi with its sign, and V = |phi| for 2 x 2.
    const CountTable two{{12, 5}, {3, 9}};
    const Real phi = Phi(two);
    EXPECT_LE(EpsilonsFrom(phi, (Ref(12) * 9 - Ref(5) * 3) / sqrt(Ref(17) * 12 * 15 * 14)), kAccuracyEpsilons);
    EXPECT_LE(EpsilonsFrom(CramersV(PearsonChiSquare(two), 29, 2, 2), Ref(phi)), 4);
    EXPECT_LT(Phi({{3, 12}, {9, 5}}), 0);
    EXPECT_LE(EpsilonsFrom(CohensW(9, 100), Ref("0.3")), 1);
}

// Each end of the interval puts the statistic at its quantile of the
// noncentral chi-square: checked on the 50-digit mixture sum at the ends
// found. An end is 0 exactly where the central distribution already puts
// x past that quantile.
TEST(ContingencyTable, NoncentralityIntervalInvertsTheNoncentralChiSquare) {
    const struct {
        Real x, df;
        bool lowerIsZero, upperIsZero;
        const char* why;
    } cases[] = {
        {10.745765_r, 2, false, false, "the homework table at 95 %"},
        {5.854832_r, 1, false, false, "a 2 x 2"},
        {1, 4, true, false, "below the central 97.5 % point: the lower end is 0"},
        {700, 841, true, true, "a 30 x 30 table whose statistic lies below df: both ends 0"},
        {2000, 841, false, false, "a 30 x 30 table far from independence"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const NoncentralityInterval ci = NoncentralityConfidenceInterval(c.x, c.df, 0.95_r);
        EXPECT_EQ(ci.lower == 0, c.lowerIsZero);
        EXPECT_EQ(ci.upper == 0, c.upperIsZero);
        EXPECT_LE(ci.lower, ci.upper);
        // Each end against the lambda that Newton's method finds on the
        // 50-digit mixture sum (its slope in lambda the density of df + 2),
        // to the nearest Real: 64 epsilons, as the tails themselves.
        const auto reference = [&](Real start, const Ref& q) {
            Real lambda = start;
            for (int i = 0; i < 20; ++i) {
                const Ref tail = MixtureReferenceAt(c.df, lambda, c.x).upper;
                const Ref slope = MixtureReferenceAt(c.df + 2, lambda, c.x).density;
                lambda = static_cast<Real>(Ref(lambda) - (tail - q) / slope);
            }
            return Ref(lambda);
        };
        if (ci.lower > 0) {
            EXPECT_LE(EpsilonsFrom(ci.lower, reference(ci.lower * 1.01_r, Ref("0.025"))), kAccuracyEpsilons);
        }
        if (ci.upper > 0) {
            EXPECT_LE(EpsilonsFrom(ci.upper, reference(ci.upper * 0.99_r, Ref("0.975"))), kAccuracyEpsilons);
        }
    }
}

}  // namespace
}  // namespace tarvik::test
