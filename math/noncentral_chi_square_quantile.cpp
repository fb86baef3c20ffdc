// The noncentral chi-square quantiles: Newton's method on the logarithm of
// the smaller tail (each summed on its own to its full relative precision,
// noncentral_chi_square.cpp), in u = ln x, safeguarded by a bracket that
// every evaluation narrows, started from Patnaik's scaled central
// chi-square (Biometrika 36, 1949).
#include <algorithm>

#include "core/checked_math.h"
#include "core/errors.h"
#include "math/detail.h"
#include "math/distributions.h"

namespace tarvik {

using namespace checked;

namespace {

using detail::Tail;

struct TailAndDensity {
    Real tail, density;
};

TailAndDensity At(Real df, Real ncp, Real x, Tail tail) {
    return {tail == Tail::Lower ? NoncentralChiSquareCdf(df, ncp, x) : NoncentralChiSquareUpperTail(df, ncp, x),
            NoncentralChiSquarePdf(df, ncp, x)};
}

// Patnaik's approximation: X is about c times a central chi-square with nu
// degrees of freedom, matching the mean and the variance.
Real PatnaikStart(Real df, Real ncp, Real t, Tail tail) {
    const Real c = (df + 2 * ncp) / (df + ncp);
    const Real nu = (df + ncp) * (df + ncp) / (df + 2 * ncp);
    return c * (tail == Tail::Lower ? ChiSquareQuantile(nu, t) : ChiSquareUpperQuantile(nu, t));
}

constexpr int kNoncentralPassLimit = 400;
const Real kNoncentralConverged = 1e-19_r;

// The x with T(x) = t on the given tail, t at most 1/2. Newton in u = ln x
// on g(u) = ln(T / t): dg/du = -+ x f / T. The bracket (lo, hi) holds the
// root; a step that leaves it, or a tail that has left the Real range,
// falls back to bisection in ln x (or to halving and doubling while one
// end is still open).
Real Solve(Real df, Real ncp, Real t, Tail tail) {
    Real lo = 0, hi = 0;  // hi == 0: no upper end yet
    Real x = PatnaikStart(df, ncp, t, tail);
    if (!(x > 0)) x = df + ncp;
    Real previousStep = 0;
    for (int pass = 0; pass < kNoncentralPassLimit; ++pass) {
        const TailAndDensity at = At(df, ncp, x, tail);
        Real next = 0;
        bool newton = false;
        if (at.tail > 0) {
            const Real ratio = at.tail / t;
            const Real g = ratio > 0 && IsFinite(ratio) ? Ln(ratio) : Ln(at.tail) - Ln(t);
            if (g == 0) return x;
            const bool rootAbove = tail == Tail::Lower ? g < 0 : g > 0;
            (rootAbove ? lo : hi) = x;
            const Real s = x * at.density / at.tail;
            const Real slope = tail == Tail::Lower ? s : -s;
            if (slope != 0) {
                const Real step = -g / slope;
                if (Abs(step) < kNoncentralConverged) return x + x * step;
                // Rounding noise: steps that stop shrinking below 1e-15.
                if (Abs(step) < 1e-15_r && previousStep != 0 && Abs(step) > Abs(previousStep) / 2)
                    return x + x * step;
                previousStep = step;
                next = Abs(step) < 1e-3_r ? x + x * step * (1 + step / 2) : x * Exp(std::clamp<Real>(step, -5, 5));
                newton = true;
            }
        } else {
            // Below the Real range: far out on the tail's own side.
            (tail == Tail::Lower ? lo : hi) = x;
        }
        const bool inside = next > lo && (hi == 0 || next < hi);
        if (!newton || !inside) {
            if (hi == 0) next = x * 4;
            else if (lo == 0) next = x / 4;
            else next = Sqrt(lo * hi);
        }
        if (hi > 0 && hi - lo <= lo * 1e-19_r) return next;
        x = next;
    }
    throw ENoConvergence("NoncentralChiSquareQuantile", kNoncentralPassLimit);
}

}  // namespace

Real NoncentralChiSquareQuantile(Real df, Real ncp, Real p) {
    detail::CheckNoncentralShape(df, ncp);
    if (ncp == 0) return ChiSquareQuantile(df, p);
    if (!(p > 0)) return 0;
    if (!(p < 1)) throw EOverflow();
    // 1 - p is exact for p >= 1/2.
    return p <= 0.5_r ? Solve(df, ncp, p, Tail::Lower) : Solve(df, ncp, 1 - p, Tail::Upper);
}

Real NoncentralChiSquareUpperQuantile(Real df, Real ncp, Real q) {
    detail::CheckNoncentralShape(df, ncp);
    if (ncp == 0) return ChiSquareUpperQuantile(df, q);
    if (!(q < 1)) return 0;
    if (!(q > 0)) throw EOverflow();
    return q <= 0.5_r ? Solve(df, ncp, q, Tail::Upper) : Solve(df, ncp, 1 - q, Tail::Lower);
}

}  // namespace tarvik
