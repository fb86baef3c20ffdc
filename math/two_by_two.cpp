#include "math/two_by_two.h"

#include <algorithm>
#include <limits>

#include "core/checked_math.h"
#include "core/errors.h"
#include "math/detail.h"
#include "math/double_real.h"

namespace tarvik {

using namespace checked;
using namespace double_real;

namespace {

// Fisher's noncentral hypergeometric distribution of the top-left cell
// given the margins: P(x) proportional to C(r1, x) C(r2, c1 - x) e^(theta x)
// on [lo, hi]. Its terms rise to one mode and fall after it, so every sum
// runs outward from a point, away from the mode, until its terms no longer
// count: a far tail is summed on its own scale, never as 1 less the rest.
class NoncentralHypergeometric {
public:
    NoncentralHypergeometric(Real r1, Real r2, Real c1)
        : r1_(r1), r2_(r2), c1_(c1), lo_(std::max<Real>(0, c1 - r2)), hi_(std::min(r1, c1)) {}

    Real Lowest() const { return lo_; }
    Real Highest() const { return hi_; }

    // Sets theta = ln(odds ratio) for the sums below.
    void SetTheta(Real theta) {
        theta_ = theta;
        mode_ = Mode();
        modeWeight_ = LnWeight(mode_);
        const Sums right = SumFrom(mode_, 1), left = SumFrom(mode_ - 1, -1);
        total_ = right.terms + left.terms;
        mean_ = mode_ + (right.offsets + left.offsets) / total_;
    }

    Real Mean() const { return mean_; }
    Real AtMost(Real x) const {
        return x < mode_ ? SumFrom(x, -1).terms / total_ : detail::Probability(1 - SumFrom(x + 1, 1).terms / total_);
    }
    Real AtLeast(Real x) const {
        return x > mode_ ? SumFrom(x, 1).terms / total_ : detail::Probability(1 - SumFrom(x - 1, -1).terms / total_);
    }
    Real At(Real x) const { return Term(x) / total_; }

private:
    struct Sums {
        Real terms = 0, offsets = 0;  // sum of P and of (x - mode) P, unscaled
    };

    // ln of the weight of x, less the parts that do not depend on x: in
    // double-Real precision, x theta taken exactly, so that a term far from
    // the mode keeps its relative digits.
    DoubleReal LnWeight(Real x) const {
        using detail::LnFactorial;
        DoubleReal ln = Add(Add(LnFactorial(x), LnFactorial(r1_ - x)), Add(LnFactorial(c1_ - x), LnFactorial(r2_ - c1_ + x)));
        return Subtract(double_real::TwoProduct(x, theta_), ln);
    }
    Real Term(Real x) const {
        if (x < lo_ || x > hi_) return 0;
        return detail::ExpOfLn(Subtract(LnWeight(x), modeWeight_));
    }
    // The ratio of the terms at x + 1 and x falls as x grows: the mode is
    // the first x whose next term is smaller (found by halving).
    Real Mode() const {
        const auto rises = [&](Real x) {
            const DoubleReal step = Subtract(LnWeight(x + 1), LnWeight(x));
            return step.hi + step.lo > 0;
        };
        Real below = lo_, above = hi_;  // the mode lies in [below, above]
        while (below < above) {
            const Real mid = Floor((below + above) / 2);
            if (rises(mid))
                below = mid + 1;
            else
                above = mid;
        }
        return below;
    }
    Sums SumFrom(Real from, Real step) const {
        CompensatedSum terms, offsets;
        for (Real x = from; x >= lo_ && x <= hi_; x += step) {
            const Real t = Term(x);
            terms.Add(t);
            offsets.Add((x - mode_) * t);
            if (!(t > detail::kSumTol * terms.Value())) break;
        }
        return {terms.Value(), offsets.Value()};
    }

    Real r1_, r2_, c1_, lo_, hi_;
    Real theta_ = 0, mode_ = 0, total_ = 1, mean_ = 0;
    DoubleReal modeWeight_{};
};

// The theta at which `rising(theta)` (increasing in theta) reaches
// `target`: a bracket doubled out from [-1, 1], then closed by false
// position in its Illinois form (Dowell and Jarratt 1971: the end kept
// twice running has its value halved), which converges superlinearly where
// halving needs 64 steps for the Real's digits; each step sums the whole
// distribution. Theta beyond +-1e4 (an odds ratio past e^10000) is taken as
// reached at the bracket's end.
template <class Rising>
Real SolveTheta(Rising rising, Real target) {
    const Real kFarthest = 1e4_r;
    constexpr int kMostSteps = 200;
    Real low = -1, high = 1;
    Real fLow = rising(low) - target, fHigh = rising(high) - target;
    while (fLow > 0 && low > -kFarthest) fLow = rising(low *= 2) - target;
    while (fHigh < 0 && high < kFarthest) fHigh = rising(high *= 2) - target;
    if (!(fLow <= 0 && fHigh >= 0)) return fLow > 0 ? low : high;
    int kept = 0;  // which end stayed last: -1 low, +1 high
    for (int i = 0; i < kMostSteps && fLow != 0 && fHigh != 0; ++i) {
        Real mid = high - fHigh * (high - low) / (fHigh - fLow);
        // A step that lands on an end, or beyond, halves instead.
        if (!(mid > low && mid < high)) mid = (low + high) / 2;
        if (!(mid > low && mid < high)) break;  // the bracket is two neighbouring Reals
        const Real fMid = rising(mid) - target;
        if (fMid < 0) {
            low = mid;
            fLow = fMid;
            if (kept == 1) fHigh /= 2;
            kept = 1;
        } else {
            high = mid;
            fHigh = fMid;
            if (kept == -1) fLow /= 2;
            kept = -1;
        }
        if (high - low <= 4 * std::numeric_limits<Real>::epsilon() * std::max<Real>(1, Abs(mid))) break;
    }
    return Abs(fLow) < Abs(fHigh) ? low : high;
}

// Wilson's score interval for x of n, z = kNormal975 (Newcombe's step).
struct Bounds {
    Real lower, upper;
};
Bounds Wilson(Real x, Real n) {
    const Real z2 = kNormal975 * kNormal975;
    const Real centre = Div(x + z2 / 2, n + z2);
    const Real half = Div(kNormal975 * Sqrt(x * (n - x) / n + z2 / 4), n + z2);
    return {std::max<Real>(0, centre - half), std::min<Real>(1, centre + half)};
}

}  // namespace

EstimateInterval OddsRatioWoolf(const TwoByTwoCounts& t) {
    EstimateInterval r;
    if (!(t.a > 0 && t.b > 0 && t.c > 0 && t.d > 0)) return r;  // Woolf's variance needs every cell
    const Real lnRatio = Ln(t.a) + Ln(t.d) - Ln(t.b) - Ln(t.c);
    const Real se = Sqrt(1 / t.a + 1 / t.b + 1 / t.c + 1 / t.d);
    r.defined = true;
    r.estimate = Div(t.a * t.d, t.b * t.c);
    r.lower = Exp(lnRatio - kNormal975 * se);
    r.upper = Exp(lnRatio + kNormal975 * se);
    return r;
}

// The conditional maximum-likelihood estimate solves E[A; theta] = a; the
// interval's ends solve P(A >= a; theta) = 0.025 and P(A <= a; theta) =
// 0.025 (Cornfield's exact limits, as R's fisher.test). At a = lo the
// estimate and the lower end are 0; at a = hi the estimate and the upper
// end are infinite.
EstimateInterval OddsRatioConditional(const TwoByTwoCounts& t) {
    EstimateInterval r;
    NoncentralHypergeometric h(t.a + t.b, t.c + t.d, t.a + t.c);
    if (!(h.Lowest() < h.Highest())) return r;  // one table only: nothing to estimate
    r.defined = true;
    const Real a = t.a, tail = (1 - 0.95_r) / 2;
    const auto psi = [](Real theta) { return Exp(theta); };
    const auto mean = [&](Real theta) { h.SetTheta(theta); return h.Mean(); };
    const auto atLeast = [&](Real theta) { h.SetTheta(theta); return h.AtLeast(a); };
    const auto below = [&](Real theta) { h.SetTheta(theta); return 1 - h.AtMost(a); };
    if (a == h.Lowest()) {
        r.estimate = 0;
    } else if (a == h.Highest()) {
        r.estimateInfinite = true;
    } else {
        r.estimate = psi(SolveTheta(mean, a));
    }
    r.lower = a == h.Lowest() ? Real(0) : psi(SolveTheta(atLeast, tail));
    if (a == h.Highest())
        r.upperInfinite = true;
    else
        r.upper = psi(SolveTheta(below, 1 - tail));
    return r;
}

// Katz's interval: ln RR +- z sqrt(1/a - 1/n1 + 1/c - 1/n2).
EstimateInterval RiskRatioKatz(const TwoByTwoCounts& t) {
    EstimateInterval r;
    if (!(t.a > 0 && t.c > 0)) return r;  // a risk of 0: no log, no ratio to bound
    const Real n1 = t.a + t.b, n2 = t.c + t.d;
    const Real lnRatio = Ln(t.a) - Ln(n1) - Ln(t.c) + Ln(n2);
    const Real se = Sqrt(1 / t.a - 1 / n1 + 1 / t.c - 1 / n2);
    r.defined = true;
    r.estimate = Div(t.a * n2, t.c * n1);
    r.lower = Exp(lnRatio - kNormal975 * se);
    r.upper = Exp(lnRatio + kNormal975 * se);
    return r;
}

// Newcombe (1998), method 10: each risk's Wilson interval, combined by the
// square-and-add of the distances from each estimate to its bounds.
EstimateInterval RiskDifferenceNewcombe(const TwoByTwoCounts& t) {
    EstimateInterval r;
    const Real n1 = t.a + t.b, n2 = t.c + t.d;
    if (!(n1 > 0 && n2 > 0)) return r;
    const Real p1 = t.a / n1, p2 = t.c / n2;
    const Bounds w1 = Wilson(t.a, n1), w2 = Wilson(t.c, n2);
    r.defined = true;
    r.estimate = Div(t.a * n2 - t.c * n1, n1 * n2);
    r.lower = r.estimate - Sqrt((p1 - w1.lower) * (p1 - w1.lower) + (w2.upper - p2) * (w2.upper - p2));
    r.upper = r.estimate + Sqrt((w1.upper - p1) * (w1.upper - p1) + (p2 - w2.lower) * (p2 - w2.lower));
    return r;
}

FisherOneSided FisherOneSidedTests(const TwoByTwoCounts& t, Real twoSidedP) {
    NoncentralHypergeometric h(t.a + t.b, t.c + t.d, t.a + t.c);
    h.SetTheta(0);
    FisherOneSided r;
    r.less = h.AtMost(t.a);
    r.greater = h.AtLeast(t.a);
    r.midP = detail::Probability(twoSidedP - h.At(t.a) / 2);
    return r;
}

}  // namespace tarvik
