// F quantile: closed-form start, bracket by doubling or halving, then false
// position with the Illinois modification (Dowell & Jarratt 1971).
#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/checked_math.h"

namespace tarvik {

using namespace checked;

namespace {

// The false position stops on a bracket narrower than x, a tail within f
// of the target, or ends whose tails differ by less than fDiff.
struct Tolerances {
    Real x, f, fDiff;
};
const Tolerances kSearchTol{0.0003_r, 1e-20_r, 1e-15_r};
// Above this denominator df the start is Wilson-Hilferty's chi-square
// quantile over d1; below it, the normal-deviate form.
const Real kLargeDenominatorDf = 100;
// With d1 = 1 the normal-deviate start overshoots in the far upper tail:
// halved for targets below this.
const Real kHalvedStartTarget = 0.3_r;
const Real kFiveSixths = 0.8333333333333333333_r;
// 2/9 to 15 decimals, as the method writes it (not the exact 2/9).
const Real kTwoNinths15 = 0.222222222222222_r;
// A negative cube-root base is floored here, giving the start df * 1e-12.
const Real kCubeRootFloor = 0.0001_r;

enum RootStatus : int {
    kSearching = -2,
    kNoSignChange = -1,
    kBracketNarrow = 0,
    kValueTiny = 1,
    kEndsEqual = 2,
};

// Later tests overwrite earlier ones: the lowest code that holds wins.
void RootStopTest(int& status, Real xLo, Real xHi, Real fLo, Real fHi, Real f, Real xTol,
                  Real fTol, Real fDiffTol) {
    if (fDiffTol > Abs(fLo - fHi)) status = kEndsEqual;
    if (fTol > Abs(f)) status = kValueTiny;
    if (xTol > Abs(xLo - xHi)) status = kBracketNarrow;
}

}  // namespace

namespace detail {

int SignOf(Real v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

Real FQuantileObjective::operator()(Real x) const { return FUpperTail(x, d1, d2) - target; }

RootResult RegulaFalsiIllinois(const FQuantileObjective& objective, Real& xLo, Real& xHi, Real& fLo,
                               Real& fHi, Real xTol, Real fTol, Real fDiffTol) {
    const int sLo = SignOf(fLo);  // fixed for the whole search
    Real x = xLo, f = fLo;
    int status = kSearching;
    // f_hi = 0 counts as no sign change.
    if (sLo * fHi >= 0) status = kNoSignChange;
    RootStopTest(status, xLo, xHi, fLo, fHi, f, xTol, fTol, fDiffTol);
    int pass = 0;
    while (status == kSearching) {
        if (pass == kFalsePositionPassLimit)
            throw ENoConvergence("FQuantile", kFalsePositionPassLimit);
        ++pass;
        // Before the first step the newest value is f_lo, so the halving can
        // already fire on the first step.
        const int sPrev = SignOf(f);
        x = Div(fLo * xHi - fHi * xLo, fLo - fHi);
        f = objective(x);
        if (sLo * f > 0) {
            xLo = x;
            fLo = f;
            if (sPrev * f > 0) fHi = fHi / 2;
        } else {
            xHi = x;
            fHi = f;
            if (sPrev * f > 0) fLo = fLo / 2;
        }
        RootStopTest(status, xLo, xHi, fLo, fHi, f, xTol, fTol, fDiffTol);
    }
    return {x, status, pass};
}

}  // namespace detail

Real ChiSquareQuantileWilsonHilferty(Real df, Real q) {
    const Real z = NormalQuantile(q);
    const Real d = Div(kTwoNinths15, df);
    Real e = z * Sqrt(d) + 1 - d;
    // Floored: a tiny q with small df gives the start df * 1e-12, from which
    // the bracketing doubles its way up.
    if (!(e >= 0)) e = kCubeRootFloor;
    return df * e * e * e;
}

Real FQuantileStart(Real target, Real d1, Real d2) {
    const Real m1 = d1 == 1 ? 2 : d1;
    const Real m2 = d2 == 1 ? 2 : d2;
    if (d2 > kLargeDenominatorDf) return Div(ChiSquareQuantileWilsonHilferty(d1, 1 - target), d1);
    // Normal-deviate form for small denominator df.
    const Real z = NormalQuantile(1 - target);
    const Real lambda = (z * z - 3) / 6;
    const Real h = Div(2, Div(1, m2 - 1) + Div(1, m1 - 1));
    const Real w = Div(z * Sqrt(h + lambda), h) -
                   (Div(1, m1 - 1) - Div(1, m2 - 1)) *
                       (lambda + kFiveSixths - Div(2, 3 * h));
    Real r = Exp(2 * w);
    if (d2 == 1) r = Mul(r, r);
    if (d1 == 1 && d2 != 2 && target < kHalvedStartTarget) r = r / 2;
    return r;
}

Real FQuantile(Real target, Real d1, Real d2) {
    const detail::FQuantileObjective objective{target, d1, d2};
    Real xLo = FQuantileStart(target, d1, d2);
    Real fLo = objective(xLo);
    if (Abs(fLo) < kSearchTol.f) return xLo;
    // The tail at the start is at least the target: the root lies above.
    const bool up = fLo >= 0;
    auto next = [up](Real x) { return up ? Mul(x, 2) : x / 2; };
    Real xHi = next(xLo);
    Real fHi = objective(xHi);
    // Each new point is compared with the start value, so the bracket handed
    // on is [start, first point past the root]. A negative target never
    // changes sign: the doubling then ends by overflow, as it must.
    for (int pass = 0; fLo * fHi > 0; ++pass) {
        if (pass == detail::kBracketPassLimit)
            throw ENoConvergence("FQuantile", detail::kBracketPassLimit);
        xHi = next(xHi);
        fHi = objective(xHi);
    }
    return detail::RegulaFalsiIllinois(objective, xLo, xHi, fLo, fHi, kSearchTol.x, kSearchTol.f, kSearchTol.fDiff).x;
}

}  // namespace tarvik
