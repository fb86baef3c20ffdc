#include "math/exact_multinomial.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/reference.h"

namespace tarvik::test {
namespace {

// Every outcome of N in k categories listed, each probability at 50 digits;
// those within a relative 1e-7 of the observed one count as equal.
Ref BruteForceMultinomial(const std::vector<Real>& observed, const std::vector<Real>& p) {
    unsigned total = 0;
    for (const Real& x : observed) total += unsigned(x);
    const auto probability = [&](const std::vector<unsigned>& y) {
        Ref v = reference::Factorial(total);
        for (std::size_t j = 0; j < y.size(); ++j) v *= pow(Ref(p[j]), y[j]) / reference::Factorial(y[j]);
        return v;
    };
    std::vector<unsigned> y(observed.size());
    for (std::size_t j = 0; j < y.size(); ++j) y[j] = unsigned(observed[j]);
    const Ref limit = probability(y) * (1 + Ref("1e-7"));
    Ref sum = 0;
    std::function<void(std::size_t, unsigned)> fill = [&](std::size_t j, unsigned left) {
        if (j + 1 == y.size()) {
            y[j] = left;
            if (const Ref v = probability(y); v <= limit) sum += v;
            return;
        }
        for (unsigned v = 0; v <= left; ++v) {
            y[j] = v;
            fill(j + 1, left - v);
        }
    };
    fill(0, total);
    return sum;
}

const WorkProgress kNoWatch = [](double) { return true; };

// The sums add some thousands of terms each good to a few epsilons (ln n!
// in double-Real, ln p to the Real's last bit times counts of at most 20).
TEST(ExactMultinomial, AgreesWithTheBruteForceCount) {
    const Real third = 1 / 3.0_r;
    const struct {
        std::vector<Real> observed, p;
        const char* why;
    } cases[] = {
        {{3, 1, 2}, {third, third, 1 - 2 * third}, "equal probabilities: permutations tie"},
        {{10, 2, 5, 1}, {0.4_r, 0.1_r, 0.3_r, 0.2_r}, "unequal"},
        {{0, 0, 7}, {0.2_r, 0.3_r, 0.5_r}, "an extreme outcome"},
        {{4, 4, 4, 4, 4}, {0.2_r, 0.2_r, 0.2_r, 0.2_r, 0.2_r}, "the most probable outcome: p = 1"},
        {{6, 1, 5, 2, 0, 6}, {0.3_r, 0.1_r, 0.25_r, 0.1_r, 0.05_r, 0.2_r}, "six categories, a zero count"},
        {{1, 9}, {0.5_r, 0.5_r}, "two categories: the binomial test"},
        {{2, 0, 3}, {0.5_r, 0, 0.5_r}, "a category of probability 0 left out"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const ExactTableResult r = MultinomialExact(c.observed, c.p, kNoWatch);
        ASSERT_TRUE(r.complete);
        EXPECT_LE(EpsilonsFrom(r.p, BruteForceMultinomial(c.observed, c.p)), kAccuracyEpsilons) << double(r.p);
    }
}

// Random outcomes: the Monte Carlo p within four standard errors of the
// exact one, the same seed the same p; a cancel stops both.
TEST(ExactMultinomial, MonteCarloAgreesAndStops) {
    const std::vector<Real> observed{30, 12, 25, 8, 25}, p{0.3_r, 0.1_r, 0.25_r, 0.1_r, 0.25_r};
    const ExactTableResult exact = MultinomialExact(observed, p, kNoWatch);
    ASSERT_TRUE(exact.complete);
    const MonteCarloResult mc = MultinomialMonteCarlo(observed, p, 20000, 7, kNoWatch);
    ASSERT_TRUE(mc.complete);
    EXPECT_LE(Abs(mc.p - exact.p), 4 * mc.standardError) << double(mc.p) << " " << double(exact.p);
    EXPECT_EQ(MultinomialMonteCarlo(observed, p, 20000, 7, kNoWatch).p, mc.p);
    const WorkProgress cancel = [](double) { return false; };
    EXPECT_FALSE(MultinomialExact({300, 120, 250, 80, 250}, p, cancel).complete);
    EXPECT_FALSE(MultinomialMonteCarlo(observed, p, 20000, 7, cancel).complete);
}

}  // namespace
}  // namespace tarvik::test
