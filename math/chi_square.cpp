// Both tails of the chi-square distribution, each to its full relative
// precision, and the density beside them. With a = df/2 and lambda = x/2
// they are the regularised incomplete gamma ratios P(a, lambda) and
// Q(a, lambda). The smaller of the two is always summed directly, never
// taken as 1 minus the other (which leaves noise below 1e-19 and can go
// negative); the larger is 1 minus it, which then loses nothing.
//
// Every sum starts from one Poisson weight w(b, lambda) (poisson_weight.cpp)
// and runs over positive terms, so its error is a few epsilons whatever the
// size of the result, down to the bottom of the Real range:
// - x < df: P(a, lambda) = w(a, lambda) sum_n lambda^n / ((a+1)...(a+n)),
//   the series whose terms fall from the first (Abramowitz and Stegun 6.5.29);
// - x >= df, df a whole number: Q = sum of w(b, lambda) over b = a-1, a-2,
//   ... down to 0 (even df) or 1/2 (odd df), from the largest term down
//   (the Poisson sum of the even df, and the recurrence
//   Q(b + 1) = Q(b) + w(b) for the odd ones), plus Q(1/2, lambda) = erfc of
//   sqrt(lambda) for odd df, from Legendre's continued fraction;
// - x >= df, any other df: Q = a w(a, lambda) times that continued fraction
//   (A&S 6.5.31), evaluated by the modified Lentz method.
#include <algorithm>

#include "core/checked_math.h"
#include "core/diagnostics.h"
#include "math/detail.h"
#include "math/distributions.h"
#include "math/double_real.h"

namespace tarvik {

using namespace checked;
using double_real::Subtract;

namespace {

using detail::kSumTol;

// A negative x is reported, and then refused: no probability belongs to it.
void RefuseNegative(Real x) {
    if (x < 0) {
        WriteDiagnosticLine("***" + FormatScientific23(x));
        throw EInvalidOp();
    }
}

bool IsHalfWhole(Real a) { return 2 * a == Floor(2 * a); }

// P(a, lambda) / w(a, lambda) for lambda < a: the terms fall from the
// first, and the rest after a term is below term * (a+n+1) / (a+n+1-lambda).
Real LowerSeries(Real a, Real lambda) {
    Real term = 1, sum = 1;
    for (int n = 1;; ++n) {
        if (n == detail::kSeriesPassLimit) throw ENoConvergence("ChiSquareCdf", detail::kSeriesPassLimit);
        term = term * lambda / (a + n);
        sum += term;
        if (term * (a + n + 1) < kSumTol * sum * (a + n + 1 - lambda)) return sum;
    }
}

}  // namespace

namespace detail {

void CheckDf(Real df) {
    if (!(df > 0) || !IsFinite(df)) throw ERangeError();
}

void CheckNoncentralShape(Real df, Real ncp) {
    CheckDf(df);
    if (!(ncp >= 0) || !(ncp <= kLargestNoncentralityInMath)) throw ERangeError();
}

// Legendre's continued fraction 1/(lambda+1-a- 1(1-a)/(lambda+3-a- 2(2-a)/(...))),
// so that Q(a, lambda) = a w(a, lambda) times it (A&S 6.5.31). Evaluated
// bottom-up from a depth doubled until two depths agree: near lambda = a the
// fraction needs hundreds of levels, and the forward (Lentz) evaluation
// then loses up to 70 epsilons (a = 1/2, lambda = 1/2), the backward one
// less than one.
Real UpperGammaContinuedFraction(Real a, Real lambda) {
    auto atDepth = [&](int depth) {
        Real t = lambda + 2 * depth + 1 - a;
        for (int n = depth; n >= 1; --n) t = (lambda + 2 * (n - 1) + 1 - a) - n * (n - a) / t;
        return Div(1, t);
    };
    int depth = 24;
    Real previous = atDepth(depth);
    for (;;) {
        if (depth > kSeriesPassLimit / 2) throw ENoConvergence("ChiSquareUpperTail", kSeriesPassLimit);
        depth *= 2;
        const Real current = atDepth(depth);
        if (Abs(current - previous) <= kSumTol * Abs(current)) return current;
        previous = current;
    }
}

}  // namespace detail

namespace {

struct TailsAndDensity {
    Real lower, upper, density;
};

// Q(a, lambda) for lambda >= a with 2a whole: the weights from b = a - 1
// down, each w(b - 1) = w(b) b / lambda, smaller than the one before.
TailsAndDensity UpperBySums(Real a, Real lambda) {
    const Real x = 2 * lambda;
    if (a == 0.5_r) {
        const Real w = detail::PoissonWeight(0.5_r, lambda);
        const Real q = 0.5_r * w * detail::UpperGammaContinuedFraction(0.5_r, lambda);
        return {1 - q, q, Div(w, x) / 2};
    }
    Real b = a - 1;
    Real term = detail::PoissonWeight(b, lambda);
    const Real density = term / 2;  // f(x) = w(a - 1, lambda) / 2
    Real sum = term;
    const Real last = Floor(a) == a ? 0 : 0.5_r;
    while (b > last) {
        term = term * b / lambda;
        b -= 1;
        sum += term;
        // The rest is below term b / (lambda - b), a geometric bound.
        if (term * b < kSumTol * sum * (lambda - b)) return {1 - sum, sum, density};
    }
    // Odd df: Q(1/2, lambda) = erfc(sqrt(lambda)) = w(1/2) / 2 times the fraction.
    if (last > 0 && term > 0) sum += 0.5_r * term * detail::UpperGammaContinuedFraction(0.5_r, lambda);
    return {1 - sum, sum, density};
}

TailsAndDensity Evaluate(Real df, Real x) {
    detail::CheckDf(df);
    RefuseNegative(x);
    const Real a = df / 2;
    if (x == 0) return {0, 1, 0};
    const Real lambda = x / 2;
    if (lambda < a) {
        const Real w = detail::PoissonWeight(a, lambda);
        const Real p = w * LowerSeries(a, lambda);
        // f = w a / x: for a tiny x the weight can lie below the Real range
        // while the density does not; a / x then goes into its exponent.
        const Real f = w > 0 ? Div(w, x) * a
                             : detail::PoissonWeight(a, lambda, Subtract(LogDoubleReal(a), LogDoubleReal(x)));
        return {p, 1 - p, f};
    }
    if (IsHalfWhole(a)) return UpperBySums(a, lambda);
    const Real w = detail::PoissonWeight(a, lambda);
    const Real q = a * w * detail::UpperGammaContinuedFraction(a, lambda);
    return {1 - q, q, Div(w, x) * a};
}

using detail::Probability;

}  // namespace

ChiSquareTailPair ChiSquareTails(Real df, Real x) {
    const TailsAndDensity t = Evaluate(df, x);
    return {Probability(t.lower), Probability(t.upper)};
}

ChiSquareTailsAndPdf ChiSquareAt(Real df, Real x) {
    const TailsAndDensity t = Evaluate(df, x);
    return {Probability(t.lower), Probability(t.upper), t.density};
}

Real ChiSquareCdf(Real df, Real x) { return ChiSquareTails(df, x).cdf; }

Real ChiSquareUpperTail(Real df, Real x) { return ChiSquareTails(df, x).upper; }

bool ChiSquarePdfIsUnbounded(Real df, Real x) { return x == 0 && df > 0 && df < 2; }

Real ChiSquarePdf(Real df, Real x) {
    if (!(df > 0 && x >= 0)) return 0;
    if (x == 0) {
        // The limit at 0: 1/2 for df 2, 0 above; below 2 there is none.
        if (ChiSquarePdfIsUnbounded(df, x)) throw EOverflow();
        return df == 2 ? 0.5_r : 0;
    }
    return Evaluate(df, x).density;
}

namespace detail {

ChiSquareTailsWithDensity ChiSquareTailsAndDensity(Real df, Real x) {
    const TailsAndDensity t = Evaluate(df, x);
    return {Probability(t.lower), Probability(t.upper), t.density};
}

}  // namespace detail

}  // namespace tarvik
