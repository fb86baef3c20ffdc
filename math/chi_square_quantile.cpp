// Chi-square quantiles to the last digit. The quantile is solved on the
// smaller tail (target at most 1/2), where that tail is known to its full
// relative precision: Newton's method on g(u) = ln T(e^u) - ln t, with u the
// logarithm of x, safeguarded by a bracket that every evaluation narrows.
// In these coordinates the step needs only the tail and the density
// (dg/du = -+ x f(x) / T(x)), both from one Poisson weight, and it behaves
// alike from t = 1/2 down to t = 1e-300.
//
// The start: the small-p series inversion for df 1 to 3 (Best and Roberts'
// percentage-point method, AS 91, steps 1-5), else Wilson and Hilferty's
// cube root (1931), clipped into the bracket. The bracket comes from the
// Chernoff bound T(x) <= exp(-rho(x) / 2), rho(x) = x - df - df ln(x / df),
// on either side of df, which holds for every df and needs no evaluation.
#include <algorithm>

#include "core/checked_math.h"
#include "core/errors.h"
#include "core/diagnostics.h"
#include "math/detail.h"
#include "math/distributions.h"

namespace tarvik {

using namespace checked;

namespace {

using detail::Tail;

// A Newton step below this (in ln x) lies inside the tail's own noise.
const Real kConverged = 1e-18_r;
const Real kNoiseLevel = 1e-15_r;
constexpr int kNewtonPassLimit = 200;

Real Rho(Real df, Real x) { return x - df - df * Ln(x / df); }

// The bracket's far end: Newton on the convex rho from the outside, so every
// iterate keeps rho(x) >= 2L, where the Chernoff bound puts the tail below t.
Real ChernoffBound(Real df, Real twiceL, Tail tail) {
    Real x;
    if (tail == Tail::Upper) {
        x = df + twiceL;
        while (Rho(df, x) < twiceL) x = Mul(x, 2);
    } else {
        x = df * Exp(-twiceL / df - 1);
    }
    for (int i = 0; i < 4; ++i) {
        const Real excess = Rho(df, x) - twiceL;
        const Real slope = 1 - df / x;
        if (!(excess > 0) || slope == 0) break;
        const Real next = x - excess / slope;
        if (!(next > 0)) break;
        // Rounding must never leave the safe side.
        if (Rho(df, next) < twiceL) break;
        x = next;
    }
    return x;
}

Real WilsonHilferty(Real df, Real z) {
    const Real d = 2 / (9 * df);
    const Real base = 1 - d + z * Sqrt(d);
    return base > 0 ? df * base * base * base : 0;
}

bool InSmallDfRegion(Real df, Real p) {
    return (df == 1 && p < 0.15_r) || (df == 2 && p < 0.01_r) || (df == 3 && p < 0.0001_r);
}

struct Bracket {
    Real lo, hi;
};

// Where the search starts and the bracket it starts in.
Real Start(Real df, Real t, Tail tail, Bracket& b) {
    const Real twiceL = -2 * Ln(t);
    Real start;
    if (tail == Tail::Lower) {
        // The median lies below df, so P(df) > 1/2 >= t.
        b = {ChernoffBound(df, twiceL, tail), df};
        if (InSmallDfRegion(df, t)) return ChiSquareQuantileSmallDf(df, t);
        start = WilsonHilferty(df, NormalQuantile(t));
        if (!(start > b.lo)) {
            // P(x) <= (x/2)^a / Gamma(a + 1): its root lies below the quantile.
            const Real a = df / 2;
            start = 2 * Exp((Ln(t) + LnGamma(a + 1)) / a);
        }
    } else {
        // The median lies above df - 2/3 (and 0.455 for df 1): Q there > 1/2.
        b = {std::max<Real>(df - 1, 0.4_r), ChernoffBound(df, twiceL, tail)};
        start = WilsonHilferty(df, -NormalQuantile(t));
    }
    if (!(start > b.lo && start < b.hi)) start = Sqrt(b.lo * b.hi);
    return start;
}

Real Solve(Real df, Real t, Tail tail) {
    Bracket b{};
    Real x = Start(df, t, tail, b);
    const Real lnTarget = Ln(t);
    Real previousStep = 0;
    for (int pass = 0; pass < kNewtonPassLimit; ++pass) {
        const detail::ChiSquareTailsWithDensity at = detail::ChiSquareTailsAndDensity(df, x);
        const Real tailAt = tail == Tail::Lower ? at.lower : at.upper;
        Real next;
        if (tailAt > 0) {
            // ln(T / t), not ln T - ln t: near 1e-245 the two logarithms are
            // 565 apiece, and their difference would keep 350 epsilons of noise.
            const Real ratio = tailAt / t;
            const Real g = ratio > 0 && IsFinite(ratio) ? Ln(ratio) : Ln(tailAt) - lnTarget;
            // g rises with x on the lower tail and falls on the upper one.
            const bool below = tail == Tail::Lower ? g < 0 : g > 0;
            if (g == 0) return x;
            (below ? b.lo : b.hi) = x;
            // Halley's step: with s = x f / T, dg/du = +-s and d2g/du2 =
            // s (a - x/2 -+ s) (lower, upper), from f'/f = (a - 1)/x - 1/2.
            const Real s = x * at.density / tailAt;
            const Real a = df / 2;
            const Real slope = tail == Tail::Lower ? s : -s;
            const Real curve = tail == Tail::Lower ? s * (a - x / 2 - s) : -s * (a - x / 2 + s);
            Real step = slope != 0 ? -g / slope : 0;
            const Real halley = 1 + step * curve / (2 * slope);
            if (halley > 0.5_r && halley < 2) step /= halley;
            if (Abs(step) < kConverged ||
                (Abs(step) < kNoiseLevel && previousStep != 0 && Abs(step) > Abs(previousStep) / 2))
                return x + x * step;
            previousStep = step;
            next = Abs(step) < 1e-3_r ? x + x * step * (1 + step / 2) : x * Exp(std::clamp<Real>(step, -50, 50));
        } else {
            // The tail underflowed: far out on its side, so the root is inward.
            (tail == Tail::Lower ? b.lo : b.hi) = x;
            next = 0;
        }
        if (!(next > b.lo && next < b.hi)) next = Sqrt(b.lo * b.hi);
        if (b.hi - b.lo <= b.lo * 1e-19_r) return next;
        x = next;
    }
    throw ENoConvergence("ChiSquareQuantile", kNewtonPassLimit);
}

// p in (0, 1) on the lower tail; 0 gives 0 and 1 has no finite quantile.
Real QuantileOfLower(Real df, Real p) {
    detail::CheckDf(df);
    if (!(p > 0)) return 0;
    if (!(p < 1)) throw EOverflow();
    // 1 - p is exact for p >= 1/2.
    return p <= 0.5_r ? Solve(df, p, Tail::Lower) : Solve(df, 1 - p, Tail::Upper);
}

}  // namespace

Real ChiSquareQuantileSmallDf(Real df, Real p) {
    const Real n = df;
    const Real g = Exp(LnGamma(n / 2 + 1));
    const Real x0 = 2 * Power(p * g, Div(2, n));
    // A_k = n / ((n + 2k) 2^k k!): the lower-tail series with e^(-x/2) expanded.
    const Real a1 = Div(n, (n + 2) * 2);
    const Real a2 = Div(n, (n + 4) * 8);
    const Real a3 = Div(n, (n + 6) * 48);
    const Real a4 = Div(n, (n + 8) * 384);
    const Real a5 = Div(n, (n + 10) * 3840);
    if (a1 * x0 >= 1) {
        WriteDiagnosticLine(" xsmall5 " + FormatFixedWidth(p, 8, 4));
        return x0;
    }
    const Real e = Div(-2, n);
    // Five fixed-point steps, each with one more term of the alternating series.
    const Real x1 = x0 * Power(1 - a1 * x0, e);
    const Real x2 = x0 * Power(1 - a1 * x1 + a2 * x1 * x1, e);
    const Real x3 = x0 * Power(1 - a1 * x2 + a2 * x2 * x2 - a3 * x2 * x2 * x2, e);
    const Real x4 = x0 * Power(1 - a1 * x3 + a2 * x3 * x3 - a3 * x3 * x3 * x3 +
                                   a4 * x3 * x3 * x3 * x3,
                               e);
    const Real x5 = x0 * Power(1 - a1 * x4 + a2 * x4 * x4 - a3 * x4 * x4 * x4 +
                                   a4 * x4 * x4 * x4 * x4 - a5 * x4 * x4 * x4 * x4 * x4,
                               e);
    return x5;
}

Real ChiSquareQuantile(Real df, Real p) { return QuantileOfLower(df, p); }

Real ChiSquareUpperQuantile(Real df, Real q) {
    detail::CheckDf(df);
    if (!(q < 1)) return 0;
    if (!(q > 0)) throw EOverflow();
    return q <= 0.5_r ? Solve(df, q, Tail::Upper) : Solve(df, 1 - q, Tail::Lower);
}

}  // namespace tarvik
