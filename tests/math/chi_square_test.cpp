// The chi-square density and tails at closed forms, at their limits and
// outside their domain. The sweeps over every df are in accuracy_sweep_test.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/errors.h"
#include "math/distributions.h"
#include "tests/support/expect_fault.h"
#include "tests/support/reference.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/tolerance.h"

namespace tarvik {
namespace {

using test::EpsilonsFrom;
using test::Ref;
namespace reference = test::reference;

// What a few epsilons allow: the Poisson weight (an exponential, a square
// root, a division: about 3) and the rounding of a short sum. The sweeps
// give the longer sums their own bound.
const Real kClosedFormEpsilons = 8;

TEST(ChiSquare, ClosedForms) {
    struct Case {
        const char* what;
        Real df;
        std::function<Real(Real, Real)> ours;
        std::function<Ref(const Ref&)> closedForm;
    } cases[] = {
        {"Q(2, x) = e^(-x/2)", 2, ChiSquareUpperTail, [](const Ref& x) { return exp(-x / 2); }},
        {"Q(1, x) = erfc(sqrt(x/2))", 1, ChiSquareUpperTail,
         [](const Ref& x) { return reference::Erfc(sqrt(x / 2)); }},
        {"P(1, x) = erf(sqrt(x/2))", 1, ChiSquareCdf, [](const Ref& x) { return reference::Erf(sqrt(x / 2)); }},
        {"P(4, x) = 1 - e^(-x/2)(1 + x/2)", 4, ChiSquareCdf,
         [](const Ref& x) {
             // For small x the difference cancels even in 50 digits: there
             // e^(-x/2) times the rest of the exponential series.
             const Ref h = x / 2;
             if (h > 1) return 1 - exp(-h) * (1 + h);
             Ref term = h, sum = 0;
             for (int k = 2; k < 80; ++k) sum += term *= h / k;
             return exp(-h) * sum;
         }},
        {"Q(3, x) = erfc(sqrt(x/2)) + sqrt(2x/pi) e^(-x/2)", 3, ChiSquareUpperTail,
         [](const Ref& x) {
             return reference::Erfc(sqrt(x / 2)) + sqrt(2 * x / reference::Pi()) * exp(-x / 2);
         }},
        {"f(2, x) = e^(-x/2) / 2", 2, ChiSquarePdf, [](const Ref& x) { return exp(-x / 2) / 2; }},
        {"f(1, x) = e^(-x/2) / sqrt(2 pi x)", 1, ChiSquarePdf,
         [](const Ref& x) { return exp(-x / 2) / sqrt(2 * reference::Pi() * x); }},
    };
    // From the bottom of the range to where even e^(-x/2) leaves it.
    const Real xs[] = {1e-4000_r, 1e-300_r, 1e-9_r, 0.5_r, 1, 3, 20, 150, 900, 2e4_r, 2.3e4_r, 1e6_r};
    for (const auto& c : cases)
        for (Real x : xs) {
            const Real got = c.ours(c.df, x);
            EXPECT_LE(EpsilonsFrom(got, c.closedForm(Ref(x))), kClosedFormEpsilons)
                << c.what << " at x = " << double(x) << ": " << double(got);
        }
}

TEST(ChiSquare, DensityAtZero) {
    // The limits as x goes to 0: 1/2 for df 2, 0 above it.
    EXPECT_EQ(ChiSquarePdf(2, 0), 0.5_r);
    for (Real df : {3.0_r, 4.0_r, 300.0_r, 65535.0_r}) EXPECT_EQ(ChiSquarePdf(df, 0), 0) << double(df);
    // Below df 2 there is no limit: callers ask first, the function refuses.
    EXPECT_TRUE(ChiSquarePdfIsUnbounded(1, 0));
    EXPECT_FALSE(ChiSquarePdfIsUnbounded(1, 1e-4000_r));
    EXPECT_FALSE(ChiSquarePdfIsUnbounded(2, 0));
    TARVIK_EXPECT_FAULT(EOverflow, "Floating point overflow", ChiSquarePdf(1, 0));
    // Close to 0 the density of df 1 is a number, not an overflow: 1/sqrt(2 pi x).
    EXPECT_NEAR(double(ChiSquarePdf(1, 1e-1000_r) / 3.98942280401432677940e499_r), 1.0, 1e-18);
}

TEST(ChiSquare, DensityOutsideItsDomain) {
    EXPECT_EQ(ChiSquarePdf(0, 1), 0);
    EXPECT_EQ(ChiSquarePdf(-1, 1), 0);
    EXPECT_EQ(ChiSquarePdf(3, -1), 0);
}

TEST(ChiSquare, FastChartDensityStaysCloseToTheExactOne) {
    // The chart's prepared density: 1e-13 relative is far below a pixel (its
    // logarithmic form cancels terms of 3e5 at df 65535).
    for (Real df : {1.0_r, 2.0_r, 7.0_r, 299.0_r, 3500.0_r, 65535.0_r})
        for (Real x : {0.3_r, 55.0_r, 922.5_r, 3600.0_r, 66000.0_r}) {
            const Real exact = ChiSquarePdf(df, x);
            if (exact < 1e-4000_r) continue;
            EXPECT_NEAR(double(ChiSquarePdfWith(ChiSquarePdfPrepare(df), x) / exact), 1.0, 1e-13)
                << double(df) << " " << double(x);
        }
}

TEST(ChiSquare, NinetyFifthPercentiles) {
    struct Case {
        Real df, x;
    } cases[] = {{1, 3.841459_r}, {2, 5.991465_r}, {3, 7.814728_r}, {10, 18.307038_r}};
    for (const auto& c : cases) EXPECT_NEAR(double(ChiSquareCdf(c.df, c.x)), 0.95, 2e-8);
}

TEST(ChiSquare, ZeroValue) {
    for (int df = 1; df <= 300; ++df) {
        EXPECT_EQ(ChiSquareCdf(df, 0), 0) << df;
        EXPECT_EQ(ChiSquareUpperTail(df, 0), 1) << df;
    }
    EXPECT_EQ(ChiSquareCdf(65535, 0), 0);
}

TEST(ChiSquare, TailsAreProbabilitiesThatAddUpToOne) {
    // Both lie in [0, 1] and add up to 1 to the last bit of the larger one.
    for (Real df : {1.0_r, 2.0_r, 3.0_r, 10.0_r, 99.0_r, 300.0_r, 2.5_r, 65535.0_r})
        for (Real x = 1e-30_r; x < 2e6_r; x *= 1.7_r) {
            const ChiSquareTailPair t = ChiSquareTails(df, x);
            EXPECT_GE(t.cdf, 0);
            EXPECT_LE(t.cdf, 1);
            EXPECT_GE(t.upper, 0);
            EXPECT_LE(t.upper, 1);
            EXPECT_LE(Abs(t.cdf + t.upper - 1), test::kEps) << double(df) << " " << double(x);
        }
}

// The calculator's value chain takes both tails and the density from one
// evaluation: it must give the very bits the three separate functions give,
// or a field would change its last digit with the road that wrote it.
TEST(ChiSquare, OneEvaluationGivesTheBitsOfTheSeparateFunctions) {
    struct Case {
        Real df, x;
        const char* why;
    } cases[] = {
        {1, 1e-30_r, "deep lower tail, density near its pole"},
        {1, 3.841459_r, "the start value"},
        {2, 0.5_r, "closed form region"},
        {10, 9.342_r, "near the median"},
        {57, 200, "far upper tail"},
        {300, 250, "large df, lower half"},
        {65535, 66000, "largest df"},
    };
    for (const Case& c : cases) {
        const ChiSquareTailsAndPdf at = ChiSquareAt(c.df, c.x);
        const ChiSquareTailPair tails = ChiSquareTails(c.df, c.x);
        EXPECT_EQ(at.cdf, tails.cdf) << c.why;
        EXPECT_EQ(at.upper, tails.upper) << c.why;
        EXPECT_EQ(at.density, ChiSquarePdf(c.df, c.x)) << c.why;
    }
}

TEST(ChiSquare, DfThatIsNoWholeNumber) {
    // Through the series and the continued fraction alone (no sums).
    for (Real df : {2.5_r, 0.3_r, 301.7_r})
        for (Real x : {0.01_r, 2.0_r, 3.0_r, 300.0_r, 400.0_r}) {
            const test::ReferenceChiSquare want = test::ReferenceAt(df, x);
            const ChiSquareTailPair t = ChiSquareTails(df, x);
            // 32: the continued fraction's depth search adds its rounding.
            EXPECT_LE(EpsilonsFrom(t.cdf, want.lower), 32) << double(df) << " " << double(x);
            EXPECT_LE(EpsilonsFrom(t.upper, want.upper), 32) << double(df) << " " << double(x);
        }
}

TEST(ChiSquare, NegativeValueIsReportedAndRefused) {
    {
        test::StdoutCapture capture;
        TARVIK_EXPECT_FAULT(EInvalidOp, "Invalid floating point operation", ChiSquareUpperTail(2, -1));
        EXPECT_EQ(capture.Text(), "***-1.00000000000000E+0000\n");
    }
    test::StdoutClosed closed;
    TARVIK_EXPECT_FAULT(EInOutError, "I/O error 105", ChiSquareCdf(4, -1));
}

TEST(ChiSquare, DfOutsideItsRange) {
    TARVIK_EXPECT_FAULT(ERangeError, "Range check error", ChiSquareCdf(0, 1));
    TARVIK_EXPECT_FAULT(ERangeError, "Range check error", ChiSquareUpperTail(-6e9_r, 1));
}

}  // namespace
}  // namespace tarvik
