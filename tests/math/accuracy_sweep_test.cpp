// Accuracy against an independent reference: Boost.Math's regularised
// incomplete gamma in 50-digit binary floating point. Two promises are held:
// - every six-decimal text the window shows (the cdf, the upper tail, the
//   density, the quantile) equals the reference's text, for every whole df
//   from 1 to 300;
// - every number shown or printed at full precision (tooltips, copies,
//   --precision) is within a relative 2e-17 of the truth: both tails, the
//   density and the quantile from either tail, for even and odd df from 1
//   to 65535, values from 1e-300 to 1e6 and probabilities from 1e-300 to
//   1 - 1e-300. A truth below the Real's range must come out as 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "math/distributions.h"
#include "tests/support/format_settings_cases.h"
#include "tests/support/reference.h"

namespace tarvik {
namespace {

using test::EpsilonsFrom;
using test::kPoint;
using test::Ref;

// The promise, 2e-17, is 184 epsilons. What the sums reach: a Poisson
// weight of about 3 epsilons, then one rounding per term, growing as the
// square root of their number (about 1800 terms at df 65535 near its
// median, where the worst seen is 21). 40 holds that with room, and a
// real loss of digits far below the promise still fails.
const Real kTailEpsilons = 40;
// The quantile divides the tail's error by d ln T / d ln x, at least about
// 0.43 (the median of df 1).
const Real kQuantileEpsilons = 2.5_r * kTailEpsilons;

const Real kUnit = 1e-6_r;        // one unit of the sixth decimal
const Real kTextSlack = 1e-12_r;  // parsing noise of two six-decimal texts
constexpr int kDfPerShard = 30;

std::string Shown(Real v) { return FormatFixed(v, 6, kPoint); }
std::string Shown(const Ref& v) { return FormatFixed(static_cast<Real>(v), 6, kPoint); }

// The largest error of one quantity over a sweep, and where it was.
struct Worst {
    const char* what;
    Real limit;
    Real epsilons = 0;
    Real df = 0, at = 0;
    void Note(Real got, const Ref& want, Real d, Real where) {
        const Real e = EpsilonsFrom(got, want);
        if (e > epsilons) epsilons = e, df = d, at = where;
    }
    void Check() const {
        std::printf("%-16s worst %6.2Lf epsilons (df %.0Lf at %.6Lg)\n", what, ToLongDouble(epsilons),
                    ToLongDouble(df), ToLongDouble(at));
        EXPECT_LE(epsilons, limit) << what << " at df " << double(df) << ", " << double(at);
    }
};

struct Sweep {
    Worst lower{"P(X<=x)", kTailEpsilons}, upper{"P(X>x)", kTailEpsilons}, density{"f(x)", kTailEpsilons},
        fromLower{"x from P(X<=x)", kQuantileEpsilons}, fromUpper{"x from P(X>x)", kQuantileEpsilons};

    void Value(Real df, Real x) {
        const test::ReferenceChiSquare want = test::ReferenceAt(df, x);
        const ChiSquareTailPair got = ChiSquareTails(df, x);
        lower.Note(got.cdf, want.lower, df, x);
        upper.Note(got.upper, want.upper, df, x);
        density.Note(ChiSquarePdf(df, x), want.density, df, x);
    }
    void Probability(Real df, Real t) {
        fromLower.Note(ChiSquareQuantile(df, t), test::ReferenceQuantile(df, Ref(t), false), df, t);
        fromUpper.Note(ChiSquareUpperQuantile(df, t), test::ReferenceQuantile(df, Ref(t), true), df, t);
    }
    void Check() const {
        for (const Worst* w : {&lower, &upper, &density, &fromLower, &fromUpper}) w->Check();
    }
};

// Values over (0, 900]: a logarithmic sweep plus a dense walk through the
// bulk of the distribution, where the shown digits change fastest.
std::vector<Real> WindowValuesFor(int df) {
    std::vector<Real> xs;
    for (int i = 0; i <= 40; ++i) xs.push_back(Real(1e-6L * std::pow(900e6L, i / 40.0L)));  // only a grid
    const Real sd = RawSqrt(2 * Real(df));
    for (Real k = -4; k <= 9; k += 0.25_r) {
        const Real x = df + k * sd;
        if (x > 0 && x <= 900) xs.push_back(x);
    }
    xs.push_back(900);
    return xs;
}

// Probabilities over [0.000001, 0.999999]: both ends, a logit-spaced walk,
// and a few df-dependent points in between.
std::vector<Real> WindowProbabilitiesFor(int df) {
    std::vector<Real> ps = {0.000001_r, 0.000002_r, 0.00001_r, 0.0001_r, 0.00033_r,  0.001_r,    0.01_r,
                            0.05_r,     0.15_r,     0.5_r,     0.95_r,   0.99_r,     0.999_r,    0.9999_r,
                            0.99995_r,  0.99998_r,  0.999982_r, 0.999993_r, 0.999999_r};
    for (int i = 1; i < 24; ++i) {
        const Real logit = -13.8_r + 27.6_r * i / 24;
        ps.push_back(1 / (1 + RawExp(-logit)));
    }
    for (int i = 0; i < 6; ++i)
        ps.push_back(Real(std::fmod(0.6180339887L * (df * 7 + i * 13), 1.0L)) * 0.999998_r + 0.000001_r);
    return ps;
}

class WindowSweep : public ::testing::TestWithParam<int> {};

// Every df the window offers: the six-decimal texts equal the reference's,
// and the numbers behind them are within the bound.
TEST_P(WindowSweep, ShownTextsAndFullPrecision) {
    const int first = GetParam() * kDfPerShard + 1;
    const int last = first + kDfPerShard - 1;
    Sweep sweep;
    Real textUnits = 0;
    auto noteText = [&](Real got, const Ref& want) {
        textUnits = std::max(textUnits, Abs(TextToReal(Shown(got), kPoint) - TextToReal(Shown(want), kPoint)) / kUnit);
    };
    for (int df = first; df <= last; ++df) {
        for (Real x : WindowValuesFor(df)) {
            sweep.Value(df, x);
            const test::ReferenceChiSquare want = test::ReferenceAt(df, x);
            const ChiSquareTailPair got = ChiSquareTails(df, x);
            noteText(got.cdf, want.lower);
            noteText(got.upper, want.upper);
            noteText(ChiSquarePdf(df, x), want.density);
        }
        for (Real p : WindowProbabilitiesFor(df)) {
            sweep.Probability(df, p);
            noteText(ChiSquareQuantile(df, p), test::ReferenceQuantile(df, Ref(p), false));
        }
    }
    std::printf("df %3d-%3d:\n", first, last);
    sweep.Check();
    EXPECT_LE(textUnits, kTextSlack / kUnit) << "a six-decimal text differs from the reference's";
}

INSTANTIATE_TEST_SUITE_P(DfBlocks, WindowSweep, ::testing::Range(0, 300 / kDfPerShard));

// Even and odd df across the whole value range the command line takes,
// into the far tails on both sides and below the Real's range.
TEST(AccuracyOverTheValueRange, EvenAndOddDf) {
    Sweep sweep;
    for (Real df : {1.0_r, 2.0_r, 3.0_r, 4.0_r, 5.0_r, 6.0_r, 29.0_r, 30.0_r, 99.0_r, 100.0_r, 299.0_r, 300.0_r}) {
        for (Real x = 1e-300_r; x <= 1e6_r; x *= 31.6227766_r) sweep.Value(df, x);
        sweep.Value(df, 1e6_r);
    }
    sweep.Check();
}

// df the window reaches only while a typed df waits for its correction,
// and the command line takes up to 65535: the bulk and both far tails.
TEST(AccuracyOverTheValueRange, LargeDf) {
    Sweep sweep;
    for (Real df : {301.0_r, 1000.0_r, 1801.0_r, 3501.0_r, 10000.0_r, 65534.0_r, 65535.0_r}) {
        const Real sd = RawSqrt(2 * df);
        for (Real k = -30; k <= 60; k += 2.5_r)
            if (df + k * sd > 0) sweep.Value(df, df + k * sd);
        for (Real x : {1e-300_r, 1.0_r, 1e6_r}) sweep.Value(df, x);
    }
    sweep.Check();
}

// p from 1e-300 to 1/2 on either tail: with its complement, every
// probability from 1e-300 to 1 - 1e-300 given as a cdf or an upper tail.
TEST(AccuracyOverTheProbabilityRange, QuantilesFromEitherTail) {
    Sweep sweep;
    const Real ts[] = {1e-300_r, 1e-200_r, 3e-101_r, 1e-50_r, 1e-20_r, 1e-10_r, 1e-6_r,
                       0.001_r,  0.05_r,   0.3_r,    0.5_r};
    for (Real df : {1.0_r, 2.0_r, 3.0_r, 4.0_r, 9.0_r, 10.0_r, 100.0_r, 299.0_r, 300.0_r, 4001.0_r, 65535.0_r})
        for (Real t : ts) sweep.Probability(df, t);
    sweep.Check();
}

}  // namespace
}  // namespace tarvik
