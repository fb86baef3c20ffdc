// The noncentral chi-square against two 50-digit references: the direct
// Poisson-mixture sum everywhere, Boost's non_central_chi_squared beside it
// where Boost is sound (the two agree there to 1e-46, so either stands for
// the truth).
//
// Tolerance: 64 epsilons of the Real (3.5e-18), a sixth of the 2e-17 that
// every printed digit needs. Each tail is a compensated sum of positive
// terms, each term a central tail (a few epsilons) times weights moved by
// at most 32 ratio steps from an exact anchor; the worst seen is 8.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/errors.h"
#include "math/distributions.h"
#include "tests/support/noncentral_reference.h"

namespace tarvik::test {
namespace {

struct Case {
    Real df, ncp, x;
    const char* why;
    bool boostToo;  // Boost's own series is sound here
};

const std::vector<Case> kCases = {
    // lambda small
    {1, 1e-10_r, 2, "a noncentrality far below one term's rounding", true},
    {10, 0.001_r, 3, "lambda 0.001: the first term is all but the whole", true},
    {1, 1, 0.5_r, "df 1 below its mean", true},
    {2, 2, 1, "df 2, the even sums", true},
    {4, 3, 1e-6_r, "x far below the mean: both tails from the first terms", true},
    {5, 50, 0.01_r, "odd df, the lower tail at 7.6e-18", true},
    // lambda moderate
    {3, 10, 5, "below the mean", true},
    {3, 10, 13, "at the mean", true},
    {3, 10, 40, "far above the mean", true},
    {300, 20, 900, "df 300, upper tail 1.5e-53", true},
    {2, 1000, 2000, "a cdf that reaches 1 (upper tail 2e-39)", true},
    {20, 499.515_r, 1076, "where a library's upper tail sticks at 4.163e-05", true},
    {20, 499.515_r, 1500, "the same, 1e-58", false},
    {2, 952, 1510, "the density a library gives 15 times too small", true},
    {1, 1000, 10, "the largest term at j = 70, far from the Poisson mode 500", true},
    {0.001_r, 100, 5, "df 0.001: the first term's gamma weight", false},
    // lambda large
    {100, 1e4_r, 9000, "1e4, far below the mean", true},
    {100, 1e4_r, 12000, "1e4, far above the mean", false},
    {6700, 5300, 12000, "the density a library gives as 0", true},
    {4, 1e5_r, 1e5_r, "lambda 1e5 at its median", false},
    {65535, 1e5_r, 1.6e5_r, "the largest df with the largest lambda of the window", false},
};

TEST(NoncentralChiSquare, BothTailsAndTheDensityAgreeWithTheMixtureSum) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.why) + ", df " + std::to_string(double(c.df)) + " ncp " +
                     std::to_string(double(c.ncp)) + " x " + std::to_string(double(c.x)));
        const ReferenceNoncentral want = MixtureReferenceAt(c.df, c.ncp, c.x);
        EXPECT_LE(EpsilonsFrom(NoncentralChiSquareCdf(c.df, c.ncp, c.x), want.lower), kAccuracyEpsilons);
        EXPECT_LE(EpsilonsFrom(NoncentralChiSquareUpperTail(c.df, c.ncp, c.x), want.upper), kAccuracyEpsilons);
        EXPECT_LE(EpsilonsFrom(NoncentralChiSquarePdf(c.df, c.ncp, c.x), want.density), kAccuracyEpsilons);
        if (c.boostToo) {
            // The two references are one truth: 1e-40 is far below any epsilon.
            const ReferenceNoncentral boost = BoostNoncentralAt(c.df, c.ncp, c.x);
            EXPECT_LT(abs((boost.upper - want.upper) / want.upper), Ref(1e-40));
            EXPECT_LT(abs((boost.density - want.density) / want.density), Ref(1e-40));
        }
    }
}

TEST(NoncentralChiSquare, NoncentralityZeroIsTheCentralDistributionBitForBit) {
    for (const Real& df : {1.0_r, 2.0_r, 7.0_r, 300.0_r, 65535.0_r})
        for (const Real& x : {0.0_r, 0.5_r, 3.841459_r, 300.0_r, 70000.0_r}) {
            EXPECT_EQ(NoncentralChiSquareCdf(df, 0, x), ChiSquareCdf(df, x));
            EXPECT_EQ(NoncentralChiSquareUpperTail(df, 0, x), ChiSquareUpperTail(df, x));
            if (x > 0) {
                EXPECT_EQ(NoncentralChiSquarePdf(df, 0, x), ChiSquarePdf(df, x));
            }
        }
    EXPECT_EQ(NoncentralChiSquareUpperQuantile(10, 0, 0.05_r), ChiSquareUpperQuantile(10, 0.05_r));
    EXPECT_EQ(NoncentralChiSquareQuantile(10, 0, 0.05_r), ChiSquareQuantile(10, 0.05_r));
}

TEST(NoncentralChiSquare, ValuesFarBelowEveryRealAreZeroNotHalf) {
    // A library reports 0.5 here for lambda 1e5 to 1e9; the truth is below
    // 1e-4932 for every lambda the program takes.
    for (const Real& ncp : {1e5_r, 1e6_r}) {
        EXPECT_EQ(NoncentralChiSquareCdf(1, ncp, 1e4_r), 0);
        EXPECT_EQ(NoncentralChiSquareUpperTail(1, ncp, 1e4_r), 1);
    }
}

TEST(NoncentralChiSquare, AtZero) {
    EXPECT_EQ(NoncentralChiSquareCdf(3, 5, 0), 0);
    EXPECT_EQ(NoncentralChiSquareUpperTail(3, 5, 0), 1);
    EXPECT_EQ(NoncentralChiSquarePdf(3, 5, 0), 0);
    EXPECT_LE(EpsilonsFrom(NoncentralChiSquarePdf(2, 5, 0), exp(Ref(-2.5)) / 2), 2);  // e^-mu f_2(0)
    EXPECT_THROW(NoncentralChiSquarePdf(1, 5, 0), EOverflow);  // df below 2: no finite density
    EXPECT_THROW(NoncentralChiSquareCdf(3, -1, 1), ERangeError);
    EXPECT_THROW(NoncentralChiSquareCdf(3, 1, -1), EInvalidOp);
}

// Far out, the answer is known without the sum: the upper tail lies below
// every Real from x = 4(k + lambda) + 46400 on (a Chernoff bound). Just
// inside that line the sum itself must already give 0, or the bound is
// wrong; beyond it no sum runs at all, so an x of 1e30 (whose largest term
// sits where j + 1 == j) answers at once. Above lambda 1e9 the sums would
// walk too far: a range error.
TEST(NoncentralChiSquare, FarOutAndOutOfRange) {
    struct Case {
        Real df, ncp;
    };
    for (const Case& c : std::vector<Case>{{1, 1}, {10, 1e3_r}, {65535, 1e6_r}, {0.5_r, 1e9_r}}) {
        SCOPED_TRACE("df " + std::to_string(double(c.df)) + " ncp " + std::to_string(double(c.ncp)));
        const Real edge = 4 * (c.df + c.ncp) + 46400;
        EXPECT_EQ(NoncentralChiSquareUpperTail(c.df, c.ncp, edge - 1), 0);
        EXPECT_EQ(NoncentralChiSquarePdf(c.df, c.ncp, edge - 1), 0);
        // The cdf is a sum of its own, near 1 it may end an ulp or two short.
        EXPECT_LE(EpsilonsFrom(NoncentralChiSquareCdf(c.df, c.ncp, edge - 1), Ref(1)), 2);
        for (const Real& x : {edge, 1e30_r, 1e4000_r}) {
            EXPECT_EQ(NoncentralChiSquareUpperTail(c.df, c.ncp, x), 0);
            EXPECT_EQ(NoncentralChiSquareCdf(c.df, c.ncp, x), 1);
            EXPECT_EQ(NoncentralChiSquarePdf(c.df, c.ncp, x), 0);
        }
    }
    EXPECT_THROW(NoncentralChiSquareUpperTail(1, 1.0000001e9_r, 1e9_r), ERangeError);
    EXPECT_THROW(NoncentralChiSquareUpperQuantile(1, 1e27_r, 0.5_r), ERangeError);
}

// Both tails strictly monotone where a library's stop on a plateau: df 20,
// lambda 499.515 for x from 1076 on, and the cdf of df 2, lambda 1000.
TEST(NoncentralChiSquare, TailsAreMonotoneWithNoPlateau) {
    Real previous = 1;
    for (Real x = 1076; x <= 3000; x += 16) {
        const Real q = NoncentralChiSquareUpperTail(20, 499.515_r, x);
        EXPECT_LT(q, previous) << "x " << double(x);
        EXPECT_GT(q, 0) << "x " << double(x);
        previous = q;
    }
    // The cdf near 1 is a sum of its own, right to a few units of its last
    // place: it may step back by those units, never by more, and it reaches 1.
    const Real kUnits = 4 * std::numeric_limits<Real>::epsilon();
    Real previousCdf = 0;
    for (Real x = 1500; x <= 2000; x += 20) {
        const Real p = NoncentralChiSquareCdf(2, 1000, x);
        EXPECT_GE(p, previousCdf - kUnits) << "x " << double(x);
        previousCdf = p;
    }
    EXPECT_LE(1 - NoncentralChiSquareCdf(2, 1000, 2000), kUnits);  // a library stays at 0.999933
}

struct QuantileCase {
    Real df, ncp;
    Ref t;
    bool upper;
    const char* why;
};

TEST(NoncentralChiSquare, QuantilesFromEitherTailAgreeWithTheMixtureSum) {
    const std::vector<QuantileCase> cases = {
        {2, 2, Ref(1e-6), true, "1 - 1e-6: a library returns 1e100"},
        {1, 80.1025_r, Ref(1e-12), true, "a library returns 1249.68, truth 255.5037"},
        {0.001_r, 100, Ref(3.659e-14), false, "a library throws"},
        {3, 10, Ref("0.05"), true, "a critical value"},
        {3, 10, Ref(1e-300), true, "the upper tail at 1e-300"},
        {3, 10, Ref(1e-300), false, "the lower tail at 1e-300: x near 7e-199"},
        {10, 50, Ref("0.2"), false, "lower, moderate"},
        {4, 7, Ref("0.5"), false, "the median"},
        {1, 1e5_r, Ref(1e-100), false, "lambda 1e5, lower 1e-100"},
        {65535, 1e5_r, Ref(1e-10), true, "the largest df and window lambda"},
    };
    for (const QuantileCase& c : cases) {
        SCOPED_TRACE(c.why);
        const Real t = static_cast<Real>(c.t);
        const Real x = c.upper ? NoncentralChiSquareUpperQuantile(c.df, c.ncp, t) : NoncentralChiSquareQuantile(c.df, c.ncp, t);
        // The reference solves for the tail of the Real t, as the function is asked.
        EXPECT_LE(EpsilonsFrom(x, MixtureQuantile(c.df, c.ncp, Ref(t), c.upper, x)), kAccuracyEpsilons);
    }
}

TEST(NoncentralChiSquare, QuantilesRoundTrip) {
    for (const Real& df : {1.0_r, 2.0_r, 5.0_r, 64.0_r})
        for (const Real& ncp : {0.5_r, 9.72_r, 300.0_r})
            for (const Real& t : {1e-300_r, 1e-20_r, 0.05_r, 0.5_r, 0.95_r}) {
                SCOPED_TRACE("df " + std::to_string(double(df)) + " ncp " + std::to_string(double(ncp)) + " t " +
                             std::to_string(double(t)));
                const Real upper = NoncentralChiSquareUpperQuantile(df, ncp, t);
                EXPECT_NEAR(double(NoncentralChiSquareUpperTail(df, ncp, upper) / t), 1, 1e-15);
                const Real lower = NoncentralChiSquareQuantile(df, ncp, t);
                EXPECT_NEAR(double(NoncentralChiSquareCdf(df, ncp, lower) / t), 1, 1e-15);
            }
}

}  // namespace
}  // namespace tarvik::test
