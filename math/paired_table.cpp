#include "math/paired_table.h"

#include <algorithm>

#include "core/checked_math.h"
#include "math/detail.h"
#include "math/distributions.h"
#include "math/double_real.h"

namespace tarvik {

using namespace double_real;

namespace {

// ln of the binomial probability of x in n at 1/2, less nothing: in
// double-Real precision.
Real BinomialHalf(Real x, Real n) {
    using detail::LnFactorial;
    DoubleReal ln = Subtract(LnFactorial(n), Add(LnFactorial(x), LnFactorial(n - x)));
    ln = Subtract(ln, Multiply(Ln2DoubleReal(), n));
    return detail::ExpOfLn(ln);
}

// P(X <= x) for X binomial in n at 1/2, summed from x down: the terms fall
// away from the middle, and the lower tail is the one asked for where x is
// below n / 2 (the caller asks for the smaller of b and c).
Real BinomialHalfAtMost(Real x, Real n) {
    CompensatedSum sum;
    for (Real k = x; k >= 0; --k) {
        const Real t = BinomialHalf(k, n);
        sum.Add(t);
        if (!(t > detail::kSumTol * sum.Value())) break;
    }
    return sum.Value();
}

// P(X >= x) or P(X <= x) for X binomial in n at pi: the Clopper-Pearson
// ends solve these against 0.025.
Real BinomialTail(Real x, Real n, Real pi, bool atLeast) {
    using detail::LnFactorial;
    const DoubleReal lnPi = LogDoubleReal(pi), lnRest = LogDoubleReal(1 - pi);
    const auto term = [&](Real k) {
        DoubleReal ln = Subtract(LnFactorial(n), Add(LnFactorial(k), LnFactorial(n - k)));
        ln = Add(ln, Add(Multiply(lnPi, k), Multiply(lnRest, n - k)));
        return detail::ExpOfLn(ln);
    };
    // Summed from the far end of the tail inward would need all its terms;
    // from x outward the terms fall where x lies past the mean, else the
    // other tail is summed and taken from 1.
    const Real mean = n * pi;
    const bool direct = atLeast ? x >= mean : x <= mean;
    CompensatedSum sum;
    const Real from = direct ? x : (atLeast ? x - 1 : x + 1), step = (atLeast == direct) ? 1 : -1;
    for (Real k = from; k >= 0 && k <= n; k += step) {
        const Real t = term(k);
        sum.Add(t);
        if (!(t > detail::kSumTol * sum.Value())) break;
    }
    return direct ? sum.Value() : detail::Probability(1 - sum.Value());
}

// The pi in (0, 1) at which `rising` reaches `target`, by halving.
template <class Rising>
Real SolvePi(Rising rising, Real target) {
    Real low = 0, high = 1;
    for (int i = 0; i < 200; ++i) {
        const Real mid = (low + high) / 2;
        if (!(mid > low && mid < high)) break;
        (rising(mid) < target ? low : high) = mid;
    }
    return (low + high) / 2;
}

}  // namespace

McNemarResult McNemarTest(Real b, Real c) {
    using namespace checked;
    McNemarResult r;
    r.b = b;
    r.c = c;
    const Real n = b + c;
    if (!(n > 0)) return r;
    r.defined = true;
    const Real difference = Abs(b - c);
    r.chiSquare = Div(difference * difference, n);
    r.p = ChiSquareUpperTail(1, r.chiSquare);
    const Real corrected = std::max<Real>(0, difference - 1);
    r.correctedChiSquare = Div(corrected * corrected, n);
    r.correctedP = ChiSquareUpperTail(1, r.correctedChiSquare);
    // Two-sided at 1/2: twice the smaller tail, at most 1; the mid-p takes
    // half the observed table's probability back, on each side.
    const Real smaller = std::min(b, c);
    const Real tail = BinomialHalfAtMost(smaller, n), at = BinomialHalf(smaller, n);
    r.exactP = std::min<Real>(1, 2 * tail);
    r.midP = std::min<Real>(1, 2 * tail - at);
    // b given b + c is binomial in pi, the odds ratio pi / (1 - pi).
    EstimateInterval& odds = r.oddsRatio;
    odds.defined = true;
    const Real alpha = (1 - 0.95_r) / 2;
    const auto toOdds = [](Real pi) { return Div(pi, 1 - pi); };
    if (c == 0) odds.estimateInfinite = true;
    else odds.estimate = Div(b, c);
    odds.lower = b == 0 ? Real(0) : toOdds(SolvePi([&](Real pi) { return BinomialTail(b, n, pi, true); }, alpha));
    if (c == 0) odds.upperInfinite = true;
    else odds.upper = toOdds(SolvePi([&](Real pi) { return 1 - BinomialTail(b, n, pi, false); }, 1 - alpha));
    return r;
}

BowkerResult BowkerTest(const CountTable& counts) {
    using namespace checked;
    BowkerResult r;
    CompensatedSum sum;
    for (std::size_t i = 0; i < counts.size(); ++i)
        for (std::size_t j = i + 1; j < counts.size(); ++j) {
            const Real both = counts[i][j] + counts[j][i];
            if (!(both > 0)) continue;  // an empty pair says nothing of symmetry
            const Real d = counts[i][j] - counts[j][i];
            sum.Add(Div(d * d, both));
            ++r.df;
        }
    if (r.df == 0) return r;
    r.defined = true;
    r.chiSquare = sum.Value();
    r.p = ChiSquareUpperTail(r.df, r.chiSquare);
    return r;
}

}  // namespace tarvik
