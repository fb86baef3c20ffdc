// The 2 x 2 measures against the same definitions summed and solved at 50
// digits over every table of the margins (small tables), against R's
// fisher.test, and against Newcombe's (1998) worked risk difference.
#include "math/two_by_two.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/reference_functions.h"

namespace tarvik::test {
namespace {

// Fisher's noncentral hypergeometric distribution at 50 digits, term by
// term over the whole support.
struct RefDistribution {
    unsigned r1, r2, c1;
    unsigned Lowest() const { return c1 > r2 ? c1 - r2 : 0; }
    unsigned Highest() const { return std::min(r1, c1); }
    Ref Weight(unsigned x, const Ref& psi) const {
        return reference::BinomialCoefficient(r1, x) * reference::BinomialCoefficient(r2, c1 - x) * pow(psi, x);
    }
    // sum of Weight over x with keep(x), divided by the sum over all
    Ref Share(const Ref& psi, const std::function<bool(unsigned)>& keep, bool weighted = false) const {
        Ref part = 0, all = 0;
        for (unsigned x = Lowest(); x <= Highest(); ++x) {
            const Ref w = Weight(x, psi);
            all += w;
            if (keep(x)) part += weighted ? Ref(x) * w : w;
        }
        return part / all;
    }
};

// The psi in (1e-30, 1e30) at which rising(psi) reaches target, halving
// ln psi 200 times.
Ref Solve(const std::function<Ref(const Ref&)>& rising, const Ref& target) {
    Ref low = -70, high = 70;
    for (int i = 0; i < 200; ++i) {
        const Ref mid = (low + high) / 2;
        (rising(exp(mid)) < target ? low : high) = mid;
    }
    return exp((low + high) / 2);
}

void ExpectRelative(Real got, const Ref& want, double tolerance, const char* what) {
    const Ref error = abs((Ref(static_cast<long double>(got)) - want) / want);
    EXPECT_LT(error, Ref(tolerance)) << what << ": got " << double(got) << ", want " << want.str(20);
}

// The estimate solves E[A] = a and the ends P(A >= a) = 0.025 and
// P(A <= a) = 0.025. 1e-16 relative: each is a root, and the slope of the
// sums it solves turns the 80-bit sums' last bits into a few more of the
// root's (the 50-digit roots are exact to 1e-45).
TEST(TwoByTwo, ConditionalOddsRatioSolvesItsEquations) {
    const struct {
        TwoByTwoCounts t;
        const char* why;
    } cases[] = {
        {{12, 5, 3, 9}, "a textbook table"},
        {{3, 1, 1, 3}, "small counts, a wide interval"},
        {{56, 14, 48, 32}, "Newcombe's 56/70 against 48/80"},
        {{1, 30, 9, 2}, "an estimate far below 1"},
        {{40, 60, 55, 45}, "near 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const auto& t = c.t;
        const RefDistribution d{unsigned(t.a + t.b), unsigned(t.c + t.d), unsigned(t.a + t.c)};
        const unsigned a = unsigned(t.a);
        const Ref mle = Solve([&](const Ref& psi) { return d.Share(psi, [](unsigned) { return true; }, true); }, Ref(a));
        const Ref lower = Solve([&](const Ref& psi) { return d.Share(psi, [&](unsigned x) { return x >= a; }); }, Ref("0.025"));
        const Ref upper = Solve([&](const Ref& psi) { return 1 - d.Share(psi, [&](unsigned x) { return x <= a; }); }, Ref("0.975"));
        const EstimateInterval r = OddsRatioConditional(t);
        ASSERT_TRUE(r.defined);
        ExpectRelative(r.estimate, mle, 1e-16, "estimate");
        ExpectRelative(r.lower, lower, 1e-16, "lower");
        ExpectRelative(r.upper, upper, 1e-16, "upper");
    }
}

// R's fisher.test (Debian's r-base-core, 4.2): its estimate and interval,
// which it solves with uniroot at that function's default tolerance,
// .Machine$double.eps^0.25 = 1.2e-4, on psi in (0, 1) or on 1/psi above 1:
// about 1.2e-4 max(psi, 1/psi) relative (ours meet the 50-digit roots above
// to 1e-16); and its one-sided p-values, summed in double.
TEST(TwoByTwo, ConditionalOddsRatioAsRGivesIt) {
    const struct {
        TwoByTwoCounts t;
        double estimate, lower, upper;  // -1: infinite
        double less, greater;
    } cases[] = {
        {{12, 5, 3, 9}, 6.6542010967761858, 1.0761372215170713, 55.712959444381021, 0.99786773280026653, 0.01968489439490784},
        {{0, 10, 5, 5}, 0, 0, 0.83654284250200173, 0.016253869969040272, 1},
        {{10, 0, 0, 10}, -1, 11.135913140024405, -1, 1, 5.4125441122345148e-06},
    };
    const auto rTolerance = [](double psi) { return 1.2e-4 * std::max(psi, 1.0) * std::max(psi, 1.0) + 1e-12; };
    for (const auto& c : cases) {
        const EstimateInterval r = OddsRatioConditional(c.t);
        ASSERT_TRUE(r.defined);
        EXPECT_EQ(r.estimateInfinite, c.estimate < 0);
        EXPECT_EQ(r.upperInfinite, c.upper < 0);
        if (c.estimate >= 0) {
            EXPECT_NEAR(double(r.estimate), c.estimate, rTolerance(c.estimate));
        }
        EXPECT_NEAR(double(r.lower), c.lower, rTolerance(c.lower));
        if (c.upper >= 0) {
            EXPECT_NEAR(double(r.upper), c.upper, rTolerance(c.upper));
        }
        const FisherOneSided p = FisherOneSidedTests(c.t, 0);
        EXPECT_NEAR(double(p.less), c.less, 1e-15);
        EXPECT_NEAR(double(p.greater), c.greater, 1e-15);
    }
}

// Woolf's and Katz's intervals and Newcombe's, each by its formula at 50
// digits (16 epsilons: a log, a square root and an exp), and Newcombe's
// own 1998 example (Table II, 56/70 - 48/80: 0.0524 to 0.3339).
TEST(TwoByTwo, WoolfKatzAndNewcombe) {
    const TwoByTwoCounts t{56, 14, 48, 32};
    const Ref a = 56, b = 14, c = 48, d = 32, z("1.959963984540054235524594430520551527955550");
    const Ref n1 = a + b, n2 = c + d;
    const Ref lnOr = log(a * d / (b * c)), seOr = sqrt(1 / a + 1 / b + 1 / c + 1 / d);
    const Ref lnRr = log((a / n1) / (c / n2)), seRr = sqrt(1 / a - 1 / n1 + 1 / c - 1 / n2);
    const auto wilson = [&](const Ref& x, const Ref& n, int sign) {
        return (x + z * z / 2 + sign * z * sqrt(x * (n - x) / n + z * z / 4)) / (n + z * z);
    };
    const Ref p1 = a / n1, p2 = c / n2;
    const Ref l1 = wilson(a, n1, -1), u1 = wilson(a, n1, 1), l2 = wilson(c, n2, -1), u2 = wilson(c, n2, 1);
    const struct {
        EstimateInterval got;
        Ref estimate, lower, upper;
        const char* what;
    } cases[] = {
        {OddsRatioWoolf(t), a * d / (b * c), exp(lnOr - z * seOr), exp(lnOr + z * seOr), "Woolf"},
        {RiskRatioKatz(t), (a / n1) / (c / n2), exp(lnRr - z * seRr), exp(lnRr + z * seRr), "Katz"},
        {RiskDifferenceNewcombe(t), p1 - p2, p1 - p2 - sqrt((p1 - l1) * (p1 - l1) + (u2 - p2) * (u2 - p2)),
         p1 - p2 + sqrt((u1 - p1) * (u1 - p1) + (p2 - l2) * (p2 - l2)), "Newcombe"},
    };
    constexpr double kTolerance = 16 * 1.0842021724855044e-19;
    for (const auto& c : cases) {
        ASSERT_TRUE(c.got.defined) << c.what;
        ExpectRelative(c.got.estimate, c.estimate, kTolerance, c.what);
        ExpectRelative(c.got.lower, c.lower, kTolerance, c.what);
        ExpectRelative(c.got.upper, c.upper, kTolerance, c.what);
    }
    const EstimateInterval rd = RiskDifferenceNewcombe(t);
    EXPECT_NEAR(double(rd.lower), 0.0524, 5e-5);
    EXPECT_NEAR(double(rd.upper), 0.3339, 5e-5);
}

// A zero cell: no Woolf or Katz interval, said so, never inf or NaN; the
// conditional estimate and Newcombe's difference stand.
TEST(TwoByTwo, ZeroCells) {
    const TwoByTwoCounts t{0, 10, 5, 5};
    EXPECT_FALSE(OddsRatioWoolf(t).defined);
    EXPECT_FALSE(RiskRatioKatz(t).defined);
    EXPECT_TRUE(RiskDifferenceNewcombe(t).defined);
    EXPECT_FALSE(OddsRatioConditional({0, 0, 5, 5}).defined);  // one table only: the first row is empty
}

}  // namespace
}  // namespace tarvik::test
