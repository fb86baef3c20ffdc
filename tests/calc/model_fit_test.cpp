#include "calc/model_fit.h"

#include <gtest/gtest.h>

#include "calc/table_report.h"
#include "calc/table_test.h"
#include "tests/support/reference.h"

namespace tarvik::test {
namespace {

// Pearson's statistic of the pooled categories at 50 digits.
Ref ReferenceChiSquare(const ModelFit& fit, const std::vector<Ref>& expected) {
    Ref sum = 0;
    for (std::size_t j = 0; j < expected.size(); ++j) sum += pow(Ref(fit.observed[j]) - expected[j], 2) / expected[j];
    return sum;
}

// Bortkiewicz's deaths by horse kicks in 200 corps-years: mean 0.61, the
// values 2, 3 and 4 pooled into "2 or more" (expected 25.04), as the
// textbooks pool them. Expected counts against N e^-m m^k / k! and the
// upper tail P(2, m) at 50 digits. The statistic's residuals of about 0.3
// against expected counts near 100 magnify the counts' rounding some 300
// times at worst; measured 20 epsilons, within the 64 every number keeps.
TEST(ModelFit, PoissonHorseKicks) {
    const ModelFit fit = FitCountModel(CountModel::Poisson, {}, {109, 65, 22, 3, 1});
    EXPECT_EQ(fit.parameter, Real(0.61_r));
    ASSERT_EQ(fit.labels, (std::vector<std::string>{"0", "1", "\u22652"}));
    EXPECT_EQ(fit.pooled, 2u);
    const Ref m(fit.parameter), n(200);
    const std::vector<Ref> expected{n * exp(-m), n * m * exp(-m), n * reference::GammaP(Ref(2), m)};
    for (std::size_t j = 0; j < 3; ++j) EXPECT_LE(EpsilonsFrom(fit.expected[j], expected[j]), kAccuracyEpsilons) << j;
    const TableReport report = ReportOf({fit.observed}, fit.expected, 1);
    EXPECT_EQ(report.test.df, 1);
    EXPECT_LE(EpsilonsFrom(report.test.chiSquare, ReferenceChiSquare(fit, expected)), kAccuracyEpsilons);
}

// Geissler's 6115 Saxon families of 12 children by the number of boys
// (p = 0.519215, Fisher's classic example): 0 and 1 pooled below, 11 and 12
// above, each end expecting fewer than 5 alone.
TEST(ModelFit, BinomialBoysInFamiliesOfTwelve) {
    const std::vector<Real> boys{3, 24, 104, 286, 670, 1033, 1343, 1112, 829, 478, 181, 45, 7};
    std::vector<std::string> values;
    for (int k = 0; k <= 12; ++k) values.push_back(std::to_string(k));
    const ModelFit fit = FitCountModel(CountModel::Binomial, values, boys);
    EXPECT_FALSE(fit.valuesByPosition);
    EXPECT_NEAR(double(fit.parameter), 0.519215, 5e-7);
    EXPECT_EQ(fit.labels.front(), "\u22641");
    EXPECT_EQ(fit.labels.back(), "\u226511");
    Ref sum = 0;
    for (int k = 0; k <= 12; ++k) sum += k * Ref(boys[std::size_t(k)]);
    const Ref p = sum / (Ref(6115) * 12), q = 1 - p;
    const auto b = [&](int k) { return Ref(6115) * reference::BinomialCoefficient(12, unsigned(k)) * pow(p, k) * pow(q, 12 - k); };
    std::vector<Ref> expected{b(0) + b(1)};
    for (int k = 2; k <= 10; ++k) expected.push_back(b(k));
    expected.push_back(b(11) + b(12));
    ASSERT_EQ(fit.expected.size(), expected.size());
    for (std::size_t j = 0; j < expected.size(); ++j) EXPECT_LE(EpsilonsFrom(fit.expected[j], expected[j]), kAccuracyEpsilons) << j;
    EXPECT_LE(EpsilonsFrom(ReportOf({fit.observed}, fit.expected, 1).test.chiSquare, ReferenceChiSquare(fit, expected)),
              kAccuracyEpsilons);
}

TEST(ModelFit, RefusesWhatCannotBeFitted) {
    EXPECT_THROW(FitCountModel(CountModel::Poisson, {}, {5, 3}), TableInputError);      // two values
    EXPECT_THROW(FitCountModel(CountModel::Poisson, {}, {0, 0, 0}), TableInputError);   // no observations
    EXPECT_THROW(FitCountModel(CountModel::Poisson, {}, {9, 0, 0}), TableInputError);   // mean 0
}

}  // namespace
}  // namespace tarvik::test
