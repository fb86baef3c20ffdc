// Power of McNemar's test and of two independent proportions, and the
// effect-size conversions. The normal approximations follow Fleiss, Levin
// and Paik, Statistical Methods for Rates and Proportions (3rd ed., 2003),
// sections 4.2 and 13.3; the exact McNemar power sums the binomial count of
// discordant pairs (Suissa and Shuster 1991, "The 2 x 2 matched-pairs trial:
// exact unconditional design and analysis").
#include "math/design_power.h"

#include <algorithm>
#include <vector>

#include "core/checked_math.h"
#include "core/errors.h"
#include "math/chi_square_power.h"
#include "math/count_models.h"
#include "math/detail.h"
#include "math/distributions.h"

namespace tarvik {

using namespace checked;

namespace {

// Phi(x) on whichever tail is the smaller, to its full relative precision.
// Past 40 it is 1 to the Real's last bit, and below -160 under its range:
// a proportion of 1e-300 puts x at 1e150, whose bands the normal's own
// functions cannot even number.
Real Phi(Real x) {
    if (x > 40) return 1;
    if (x < -160) return 0;
    return x < 0 ? NormalUpperTail(-x) : NormalCdfAccurate(x);
}

// The two-sided normal point z with P(|Z| > z) = alpha, from the chi-square
// with 1 df, whose quantile keeps every digit where the normal's rational
// approximation keeps seven.
Real TwoSidedNormalPoint(Real alpha) { return Sqrt(ChiSquareUpperQuantile(1, alpha)); }

// The largest k with 2 P(B <= k) <= alpha for B binomial (m, 1/2): the
// exact McNemar test of m discordant pairs rejects when the smaller of the
// two counts is at most k (-1: never). Found upward or downward from `k`.
int RejectionBound(Real m, Real alpha, int k) {
    const Real half = 0.5_r;
    const auto rejects = [&](int j) { return j < 0 || 2 * BinomialLowerTail(j, m, half, half) <= alpha; };
    while (k >= 0 && !rejects(k)) --k;
    while (Real(k + 1) < m && rejects(k + 1)) ++k;
    return k;
}

}  // namespace

Real McNemarEffectSize(Real p10, Real p01) { return Abs(p10 - p01) / Sqrt(p10 + p01); }

Real McNemarDetectableP10(Real w, Real p01) {
    const Real w2 = w * w;
    return p01 + (w2 + Sqrt(w2 * w2 + 8 * w2 * p01)) / 2;
}

Real McNemarExactPower(Real p10, Real p01, Real n, Real alpha) {
    const Real psi = p10 + p01, pi = p10 / psi, rho = p01 / psi;
    const Real mode = std::min(n, Floor((n + 1) * psi));
    // The walk goes from the most probable count of discordant pairs both
    // ways; the bound k moves by at most one per step, so it is carried.
    Real total = 0;
    const int kAtMode = RejectionBound(mode, alpha, int(Floor(mode / 2)));
    for (const int step : {-1, 1}) {
        int k = kAtMode;
        for (Real m = step < 0 ? mode : mode + 1; m >= 0 && m <= n; m += step) {
            const Real weight = BinomialProbability(m, n, psi, 1 - psi);
            if (weight < detail::kSumTol * total) break;
            k = RejectionBound(m, alpha, k);
            if (k >= 0) total += weight * (BinomialLowerTail(k, m, pi, rho) + BinomialLowerTail(k, m, rho, pi));
        }
    }
    return detail::Probability(total);
}

Real TwoProportionsPower(Real p1, Real p2, Real n1, Real n2, Real alpha, bool corrected) {
    const Real inverse = 1 / n1 + 1 / n2;
    const Real pooled = (n1 * p1 + n2 * p2) / (n1 + n2);
    const Real pooledQ = (n1 * (1 - p1) + n2 * (1 - p2)) / (n1 + n2);
    const Real s0 = Sqrt(pooled * pooledQ * inverse);
    const Real s1 = Sqrt(p1 * (1 - p1) / n1 + p2 * (1 - p2) / n2);
    const Real d = Abs(p2 - p1), cc = corrected ? inverse / 2 : Real(0);
    const Real cut = TwoSidedNormalPoint(alpha) * s0 + cc;
    // Both proportions 0 or 1: the difference is certain, and with it the
    // test's answer.
    if (!(s1 > 0)) return d > cut ? 1 : 0;
    return detail::Probability(Phi((d - cut) / s1) + Phi((-d - cut) / s1));
}

Real ProportionOfOddsRatio(Real p1, Real oddsRatio) { return oddsRatio * p1 / (1 - p1 + oddsRatio * p1); }

Real OddsRatioOfProportions(Real p1, Real p2) { return Div(p2 * (1 - p1), p1 * (1 - p2)); }

Real TwoProportionsEffectSize(Real p1, Real p2, Real ratio) {
    const Real g1 = 1 / (1 + ratio), g2 = ratio / (1 + ratio);
    return EffectSizeOfTable({{g1 * p1, g1 * (1 - p1)}, {g2 * p2, g2 * (1 - p2)}});
}

Real EffectSizeOfCramersV(Real v, int rows, int columns) { return v * Sqrt(Real(std::min(rows, columns) - 1)); }

Real CramersVOfEffectSize(Real w, int rows, int columns) { return w / Sqrt(Real(std::min(rows, columns) - 1)); }

Real SmallestWholeReaching(const std::function<bool(Real)>& reaches, Real guess, Real largest) {
    Real hi = std::clamp<Real>(-Floor(-guess), 1, largest);
    Real lo = 0;  // 0 never counts: it stands for "not reached"
    if (reaches(hi)) {
        // Down in doubling steps to an n that does not reach.
        for (Real step = 1; hi > 1;) {
            const Real below = std::max<Real>(0, hi - step);
            if (below == 0 || !reaches(below)) {
                lo = below;
                break;
            }
            hi = below;
            step *= 2;
        }
    } else {
        lo = hi;
        for (Real step = 1;; step *= 2) {
            if (lo >= largest) return 0;
            hi = std::min(largest, lo + step);
            if (reaches(hi)) break;
            lo = hi;
        }
    }
    while (hi - lo > 1) {
        const Real mid = Floor((lo + hi) / 2);
        (reaches(mid) ? hi : lo) = mid;
    }
    return hi;
}

Real RisingRoot(const std::function<Real(Real)>& f, Real target, Real lo, Real hi) {
    if (!(f(lo) < target)) return lo;
    if (!(f(hi) > target)) return hi;
    for (int pass = 0; pass < detail::kBracketPassLimit; ++pass) {
        const Real mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi) return mid;
        (f(mid) < target ? lo : hi) = mid;
    }
    throw ENoConvergence("RisingRoot", detail::kBracketPassLimit);
}

}  // namespace tarvik
