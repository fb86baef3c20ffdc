// The noncentral chi-square distribution with k degrees of freedom and
// noncentrality lambda, as the Poisson mixture of central ones (Johnson,
// Kotz and Balakrishnan, Continuous Univariate Distributions 2, 29.2):
//   P(X <= x) = sum_j p_j P(a + j, h),   P(X > x) = sum_j p_j Q(a + j, h),
//   f(x)      = sum_j p_j f_{k+2j}(x),
// with a = k/2, h = x/2, mu = lambda/2 and the Poisson weights
// p_j = e^-mu mu^j / j!. Every term is positive, so each tail is summed on
// its own to a few epsilons whatever its size; neither is 1 minus the other.
//
// The terms t_j are log-concave in j (the Poisson weights are, and so are
// P(a + j, h) and Q(a + j, h) as functions of j: the tails of a Poisson
// count), so they rise to one largest term and fall on both sides of it,
// each ratio t_{j+1}/t_j no larger than the one before. The sum starts at
// that term (found by bisection on the sign of ratio - 1), runs outward,
// and stops once the geometric bound on what is left is below 2e-21 of the
// sum. This is Ding's scheme (Applied Statistics AS 275, 1992) made exact
// in its stopping rule and stable in every direction:
// - the central tails move by P(b + 1) = P(b) - w(b), Q(b + 1) = Q(b) + w(b)
//   with the gamma weight w(b) = h^b e^-h / Gamma(b + 1); each is only ever
//   run in its adding direction (P down in j, Q up). On the other side of
//   the largest term the sum starts at its far end, bounded in advance by
//   P(b + 1)/P(b) <= h/b <= Q(b + 1)/Q(b), and walks back in;
// - the weights move by ratios, re-anchored every 32 steps on the
//   saddle-point weight (poisson_weight.cpp), so rounding cannot creep
//   along the thousands of terms a noncentrality of 1e5 needs;
// - the sums are compensated (Neumaier), so their error does not grow with
//   the number of terms.
#include <algorithm>

#include "core/checked_math.h"
#include "core/errors.h"
#include "math/detail.h"
#include "math/distributions.h"
#include "math/double_real.h"

namespace tarvik {

using namespace checked;

namespace {

using detail::kSumTol;

constexpr int kAnchorEvery = 32;
// Far above the ~10 sqrt(mu) terms on each side that any lambda up to 1e6 needs.
constexpr long kTermLimit = 50000000;

// A walk's ratios are divided afresh at each step, never multiplied by a
// reciprocal formed once: that reciprocal's rounding would repeat in every
// step and add up to 16 units over the 32 steps between two anchors (1 - 8e-19
// for a cdf of 1 - 2e-39), where fresh roundings mostly cancel. Where two
// ratios move together, one division serves both.
struct Mixture {
    Real k, x, a, h, mu;
};

Mixture MixtureOf(Real df, Real ncp, Real x) { return {df, x, df / 2, x / 2, ncp / 2}; }

Real MixingWeight(Real j, Real mu) { return detail::PoissonWeight(j, mu); }
Real GammaWeight(Real b, Real h) { return detail::PoissonWeight(b, h); }

detail::ChiSquareTailsWithDensity Central(const Mixture& m, Real j) {
    return detail::ChiSquareTailsAndDensity(m.k + 2 * j, m.x);
}

void CountTerm(long& n) {
    if (++n > kTermLimit) throw ENoConvergence("NoncentralChiSquare", kTermLimit);
}

// The sum falls outward from its largest term with ratios that never grow:
// after a term t reached with ratio rho < 1, the rest is below t rho / (1 - rho).
// (rho = t / previous, multiplied out.)
bool RestIsNegligible(Real t, Real previous, const CompensatedSum& sum) {
    if (!(t > 0)) return true;
    return t < previous && t * t <= kSumTol * sum.Value() * (previous - t);
}

// The smallest j >= 0 with mu h < (j + 1)(a + j): there the density's terms,
// whose ratio t_{j+1}/t_j is exactly mu h / ((j + 1)(a + j)), stop rising.
Real DensityMode(const Mixture& m) {
    const Real c = m.mu * m.h;
    const Real root = (Sqrt((m.a - 1) * (m.a - 1) + 4 * c) - (m.a + 1)) / 2;
    Real j = std::max<Real>(0, Floor(root));
    while (j > 0 && c < j * (m.a + j - 1)) j -= 1;
    while (!(c < (j + 1) * (m.a + j))) j += 1;
    return j;
}

// The first j whose term is above the next one, between lo (known to rise)
// and hi (known to fall).
template <typename Falls>
Real FirstFalling(Real lo, Real hi, const Falls& falls) {
    while (hi - lo > 1) {
        const Real mid = Floor((lo + hi) / 2);
        (falls(mid) ? hi : lo) = mid;
    }
    return hi;
}

// The largest term of the lower tail. Its ratio is below mu / (j + 1) (P
// falls with j) and below the density's (P(b + 1) <= h/b P(b)), so the
// largest term lies at or below both modes.
Real LowerTailMode(const Mixture& m) {
    const auto falls = [&](Real j) {
        const Real p = Central(m, j).lower;
        if (!(p > 0)) return true;
        return m.mu * (p - GammaWeight(m.a + j, m.h)) < (j + 1) * p;
    };
    const Real hi = std::min(Floor(m.mu), DensityMode(m));
    if (hi == 0 || falls(0)) return 0;
    return FirstFalling(0, hi, falls);
}

// The largest term of the upper tail: at or above both modes, by the same
// bounds the other way round; its far end is found by doubling.
Real UpperTailMode(const Mixture& m) {
    const auto falls = [&](Real j) {
        const Real q = Central(m, j).upper;
        if (!(q > 0)) return false;  // Q rises from below the Real range
        return m.mu * (q + GammaWeight(m.a + j, m.h)) < (j + 1) * q;
    };
    Real lo = std::max<Real>({0, Floor(m.mu) - 1, DensityMode(m) - 1});
    if (lo == 0 && falls(0)) return 0;
    Real step = std::max<Real>(1, Floor(Sqrt(lo)));
    Real hi = lo + step;
    long n = 0;
    while (!falls(hi)) {
        CountTerm(n);
        lo = hi;
        step *= 2;
        hi = lo + step;
    }
    return FirstFalling(lo, hi, falls);
}

// A weight moved by its ratio, and anchored on its exact value every so often.
struct Walk {
    long steps = 0;
    bool Anchor() { return steps++ % kAnchorEvery == 0; }
};

// The gamma weight w(a + j) and the Poisson weight p_j as a walk down in j
// moves them: w(b - 1) = w(b) b / h, p_{j-1} = p_j j / mu.
struct WalkDown {
    explicit WalkDown(const Mixture& mixture) : m(mixture) {}
    const Mixture& m;
    Walk walk;
    Real w = 0, p = 0;
    void To(Real j) {
        if (walk.Anchor()) {
            w = GammaWeight(m.a + j, m.h);
            p = MixingWeight(j, m.mu);
        } else {
            w = w * (m.a + j + 1) / m.h;
            p = p * (j + 1) / m.mu;
        }
    }
};

// w(a + j - 1) and p_j as a walk up in j moves them: w(b) = w(b - 1) h / b,
// p_j = p_{j-1} mu / j, both from one division.
struct WalkUp {
    explicit WalkUp(const Mixture& mixture) : m(mixture) {}
    const Mixture& m;
    Walk walk;
    Real w = 0, p = 0;
    void To(Real j) {
        if (walk.Anchor()) {
            w = GammaWeight(m.a + j - 1, m.h);
            p = MixingWeight(j, m.mu);
        } else {
            const Real q = 1 / ((m.a + j - 1) * j);
            w = w * m.h * j * q;
            p = p * m.mu * (m.a + j - 1) * q;
        }
    }
};

// Where a tail's sum starts: any j on the far side of its largest term
// will do (the walk inward rises to the largest term before the stopping
// rule can apply, and the bound outward holds from any term), so the bound
// on the largest term's place is taken as it is. Only where its term lies
// below the Real range is the largest term searched for.
struct SeriesStart {
    Real j;
    detail::ChiSquareTailsWithDensity at;
    Real term;
};

template <typename Mode>
SeriesStart StartAt(const Mixture& m, Real bound, bool lower, const Mode& mode) {
    SeriesStart s{bound, Central(m, bound), 0};
    s.term = MixingWeight(s.j, m.mu) * (lower ? s.at.lower : s.at.upper);
    if (s.term > 0) return s;
    s.j = mode(m);
    s.at = Central(m, s.j);
    s.term = MixingWeight(s.j, m.mu) * (lower ? s.at.lower : s.at.upper);
    return s;
}

// How far out a sum's far side still counts, before its terms are known:
// from the term t at j, one step in `direction` at a time, while the rest
// bounded by the ratios ratioBound(j) (of the next term to the one at j,
// never growing outward) is not negligible. A walk down stops at j = 0.
template <typename RatioBound>
Real LastTermThatCounts(Real j, int direction, Real t, const CompensatedSum& sum, long& n,
                        const RatioBound& ratioBound) {
    while (direction > 0 || j > 0) {
        CountTerm(n);
        const Real rho = ratioBound(j);
        if (rho < 1 && t * rho <= kSumTol * sum.Value() * (1 - rho)) break;
        t *= rho;
        j += direction;
        if (!(t > 0)) break;
    }
    return j;
}

// Either tail as a sum over j of p_j times the central tail at a + j, from
// its largest term jM: walked one way (d = -1 for the lower tail, down to
// j = 0; d = +1 for the upper, on until the rest is negligible), each
// central tail from the one before by a gamma weight (P(a + j) =
// P(a + j + 1) + w(a + j) going down, Q(a + j) = Q(a + j - 1) +
// w(a + j - 1) going up), all adding. The other side's terms fall from jM
// by at most farBound(j) a step: the last that counts is found from those
// bounds, and that side is summed from there back towards jM in the same
// direction d, so that it too only adds.
template <typename Walker, typename RatioBound>
Real TailSum(const Mixture& m, const SeriesStart& start, bool lower, const RatioBound& farBound) {
    const int d = lower ? -1 : 1;
    const Real jM = start.j, tM = start.term;
    if (!(tM > 0)) return 0;
    const auto tail = [lower](const detail::ChiSquareTailsWithDensity& t) { return lower ? t.lower : t.upper; };
    CompensatedSum sum;
    sum.Add(tM);
    long n = 0;
    {
        Real P = tail(start.at), previous = tM;
        Walker weights(m);
        for (Real j = jM + d; !lower || j >= 0; j += d) {
            CountTerm(n);
            weights.To(j);
            P += weights.w;
            const Real t = weights.p * P;
            sum.Add(t);
            if (RestIsNegligible(t, previous, sum)) break;
            previous = t;
        }
    }
    const Real jFar = LastTermThatCounts(jM, -d, tM, sum, n, farBound);
    if (jFar != jM) {
        CompensatedSum far;
        Real P = tail(Central(m, jFar));
        far.Add(MixingWeight(jFar, m.mu) * P);
        Walker weights(m);
        for (Real j = jFar + d; j != jM; j += d) {
            CountTerm(n);
            weights.To(j);
            P += weights.w;
            far.Add(weights.p * P);
        }
        sum.Add(far.Value());
    }
    return sum.Value();
}

// The lower tail's terms above jM fall by at most mu / (j + 1) min(1, h / (a + j)).
Real LowerTail(const Mixture& m) {
    const SeriesStart start = StartAt(m, std::min(Floor(m.mu), DensityMode(m)), true, LowerTailMode);
    return TailSum<WalkDown>(m, start, true, [&](Real j) { return m.mu / (j + 1) * std::min<Real>(1, m.h / (m.a + j)); });
}

// The upper tail's terms below jM: t_{j-1} / t_j <= j / mu min(1, (a + j - 1) / h).
Real UpperTail(const Mixture& m) {
    const SeriesStart start = StartAt(m, std::max(Floor(m.mu), DensityMode(m)), false, UpperTailMode);
    return TailSum<WalkUp>(m, start, false, [&](Real j) { return j / m.mu * std::min<Real>(1, (m.a + j - 1) / m.h); });
}

// p_j f_{k+2j}(x) = p_j w(a + j, h) (a + j) / x. For a tiny x the weight
// alone can lie below the Real range while the density does not: the
// factor (a + j) / x then goes into the weight's exponent.
Real DensityTerm(const Mixture& m, Real j) {
    const Real b = m.a + j;
    const Real w = detail::PoissonWeight(b, m.h);
    if (w > 0) return MixingWeight(j, m.mu) * (w * b / m.x);
    return MixingWeight(j, m.mu) *
           detail::PoissonWeight(b, m.h, double_real::Subtract(LogDoubleReal(b), LogDoubleReal(m.x)));
}

// The density's ratios t_{j+1}/t_j = mu h / ((j + 1)(a + j)) are exact, so
// each side stops on its own next ratio, and that ratio is the next step.
Real Density(const Mixture& m) {
    const Real jM = DensityMode(m);
    const Real tM = DensityTerm(m, jM);
    if (!(tM > 0)) return 0;
    const Real c = m.mu * m.h;
    CompensatedSum sum;
    sum.Add(tM);
    long n = 0;
    Real t = tM;
    Walk up;
    up.Anchor();
    for (Real j = jM;; j += 1) {
        CountTerm(n);
        const Real rho = c / ((j + 1) * (m.a + j));
        if (rho < 1 && t * rho <= kSumTol * sum.Value() * (1 - rho)) break;
        t = up.Anchor() ? DensityTerm(m, j + 1) : t * rho;
        if (!(t > 0)) break;
        sum.Add(t);
    }
    t = tM;
    Walk down;
    down.Anchor();
    for (Real j = jM; j > 0; j -= 1) {
        CountTerm(n);
        const Real rho = j * (m.a + j - 1) / c;
        if (rho < 1 && t * rho <= kSumTol * sum.Value() * (1 - rho)) break;
        t = down.Anchor() ? DensityTerm(m, j - 1) : t * rho;
        if (!(t > 0)) break;
        sum.Add(t);
    }
    return sum.Value();
}

void CheckArguments(Real df, Real ncp, Real x) {
    detail::CheckNoncentralShape(df, ncp);
    if (!(x >= 0) || !IsFinite(x)) throw EInvalidOp();
}

// Where the upper tail lies below half the smallest subnormal Real, so that
// it rounds to 0, the cdf to 1 and the density (f <= Q / 2, below) to 0.
// Chernoff's bound with t = 1/4 on the moment generating function
// (1 - 2t)^(-k/2) e^(lambda t / (1 - 2t)) gives
//   Q(x) <= e^(-x/4 + k ln2 / 2 + lambda / 2) <= e^-11600  for x >= 4(k + lambda) + 46400,
// and e^-11600 < 1e-5037, far below the smallest subnormal (3.6e-4951).
// The density is bounded by the same: f_n(x) = w(n/2 - 1, x/2) / 2, and
// that gamma weight is one of the positive steps of Q_n(x), so f <= Q / 2.
// Without this, an x of 1e30 would put the largest term at j near 1e15 and
// beyond, where j + 1 == j can no longer walk.
bool BeyondEveryReal(Real df, Real ncp, Real x) { return x >= 4 * (df + ncp) + 46400; }

using detail::Probability;

}  // namespace

Real NoncentralChiSquareCdf(Real df, Real ncp, Real x) {
    CheckArguments(df, ncp, x);
    if (ncp == 0) return ChiSquareCdf(df, x);
    if (x == 0) return 0;
    if (BeyondEveryReal(df, ncp, x)) return 1;
    return Probability(LowerTail(MixtureOf(df, ncp, x)));
}

Real NoncentralChiSquareUpperTail(Real df, Real ncp, Real x) {
    CheckArguments(df, ncp, x);
    if (ncp == 0) return ChiSquareUpperTail(df, x);
    if (x == 0) return 1;
    if (BeyondEveryReal(df, ncp, x)) return 0;
    return Probability(UpperTail(MixtureOf(df, ncp, x)));
}

Real NoncentralChiSquarePdf(Real df, Real ncp, Real x) {
    CheckArguments(df, ncp, x);
    if (ncp == 0) return ChiSquarePdf(df, x);
    if (x == 0) {
        // Only the first term reaches 0: e^-mu times the central limit.
        if (ChiSquarePdfIsUnbounded(df, x)) throw EOverflow();
        return df == 2 ? Exp(-ncp / 2) / 2 : 0;
    }
    if (BeyondEveryReal(df, ncp, x)) return 0;
    return Density(MixtureOf(df, ncp, x));
}

}  // namespace tarvik
