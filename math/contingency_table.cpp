#include "math/contingency_table.h"

#include <algorithm>

#include "core/checked_math.h"
#include "core/errors.h"
#include "math/chi_square_power.h"
#include "math/detail.h"
#include "math/distributions.h"
#include "math/double_real.h"

namespace tarvik {

using namespace checked;
using namespace double_real;

namespace {

// Terms of a sum falling geometrically outward stop below this part of it.
using detail::kSumTol;

std::size_t ColumnsOf(const CountTable& counts) {
    if (counts.empty() || counts.front().empty()) throw ERangeError();
    const std::size_t columns = counts.front().size();
    for (const auto& row : counts)
        if (row.size() != columns) throw ERangeError();
    return columns;
}

// a b - c d in double-Real precision: each product exact (Dekker's), their
// difference by the accurate double-Real sum, within 3 2^-128 of itself
// (Joldes, Muller and Popescu 2017). N O - R C passes 2^64 from counts near
// 4e9: rounded products would leave only their difference's leading digits.
DoubleReal DifferenceOfProducts(const Real& a, const Real& b, const Real& c, const Real& d) {
    return Subtract(TwoProduct(a, b), TwoProduct(c, d));
}

DoubleReal Deviation(const TableMargins& m, const CountTable& counts, std::size_t i, std::size_t j) {
    return DifferenceOfProducts(m.total, counts[i][j], m.rows[i], m.columns[j]);
}

Real Value(const DoubleReal& v) { return v.hi + v.lo; }

// d^2 / (a b c) in double-Real precision: the Pearson term of a deviation d
// over its scale (N R C, or S N e for a fit).
DoubleReal SquareOver(const DoubleReal& d, const Real& a, const Real& b, const Real& c) {
    const DoubleReal scale = Multiply(TwoProduct(a, b), c);
    if (!(scale.hi > 0)) throw ERangeError();
    return Divide(Multiply(d, d), scale);
}

void AddTo(CompensatedSum& sum, const DoubleReal& v) {
    sum.Add(v.hi);
    sum.Add(v.lo);
}

// bd0(u, v) = u ln(u / v) + v - u to its full relative precision. The
// saddle-point weights' double-Real deviance holds it to about 1e-27 of u
// absolute, all an exponent needs; but where u and v agree to 1e-6 the
// deviance is 1e-12 of u, and that absolute error would be 1e-15 of it.
// There Loader's series (2000) keeps every digit: with e = (u - v)/(u + v),
//   bd0 = (u - v) e + 2u (e^3/3 + e^5/5 + ...),
// whose first term is exact but for two roundings and whose rest is at
// most |e| 2/3 of it, so nothing cancels.
Real RelativeDeviance(Real u, Real v, const DoubleReal& exactDifference) {
    const Real difference = Value(exactDifference), sum = u + v;
    if (Abs(difference) >= 0.1_r * sum) {
        const DoubleReal d = detail::PoissonDeviance(u, v);
        return d.hi + d.lo;
    }
    const Real e = difference / sum, e2 = e * e;
    CompensatedSum rest;
    Real power = 2 * u * e * e2;
    for (int j = 1; j < 60; ++j) {
        const Real term = power / (2 * j + 1);
        rest.Add(term);
        if (Abs(term) <= 1e-21_r * Abs(rest.Value())) break;
        power *= e2;
    }
    return difference * e + rest.Value();
}

// 2 bd0(u, v) / s: the G^2 term of a count against its expectation, both
// scaled by s, with u = a b and v = c d. A count of 0 leaves 2 v / s.
Real DevianceTerm(const Real& a, const Real& b, const Real& c, const Real& d, const Real& s) {
    const Real u = a * b, v = c * d;
    if (u == 0) return 2 * v / s;
    return 2 * RelativeDeviance(u, v, DifferenceOfProducts(a, b, c, d)) / s;
}

}  // namespace

TableMargins MarginsOf(const CountTable& counts) {
    const std::size_t columns = ColumnsOf(counts);
    TableMargins m;
    m.rows.assign(counts.size(), 0);
    m.columns.assign(columns, 0);
    for (std::size_t i = 0; i < counts.size(); ++i)
        for (std::size_t j = 0; j < columns; ++j) {
            m.rows[i] += counts[i][j];
            m.columns[j] += counts[i][j];
            m.total += counts[i][j];
        }
    return m;
}

CountTable ExpectedCounts(const CountTable& counts) { return ExpectedCounts(MarginsOf(counts)); }

CountTable ExpectedCounts(const TableMargins& m) {
    CountTable expected(m.rows.size(), std::vector<Real>(m.columns.size()));
    for (std::size_t i = 0; i < m.rows.size(); ++i)
        for (std::size_t j = 0; j < m.columns.size(); ++j) expected[i][j] = Div(m.rows[i] * m.columns[j], m.total);
    return expected;
}

Real PearsonChiSquare(const CountTable& counts) {
    const TableMargins m = MarginsOf(counts);
    CompensatedSum sum;
    for (std::size_t i = 0; i < counts.size(); ++i)
        for (std::size_t j = 0; j < m.columns.size(); ++j)
            AddTo(sum, SquareOver(Deviation(m, counts, i, j), m.total, m.rows[i], m.columns[j]));
    return sum.Value();
}

Real LikelihoodRatioChiSquare(const CountTable& counts) {
    const TableMargins m = MarginsOf(counts);
    CompensatedSum sum;
    for (std::size_t i = 0; i < counts.size(); ++i)
        for (std::size_t j = 0; j < m.columns.size(); ++j)
            sum.Add(DevianceTerm(m.total, counts[i][j], m.rows[i], m.columns[j], m.total));
    return sum.Value();
}

Real YatesChiSquare(const CountTable& counts) {
    const TableMargins m = MarginsOf(counts);
    if (counts.size() != 2 || m.columns.size() != 2) throw ERangeError();
    CompensatedSum sum;
    for (std::size_t i = 0; i < 2; ++i)
        for (std::size_t j = 0; j < 2; ++j) {
            // N (|O - E| - min(1/2, |O - E|)).
            DoubleReal d = Deviation(m, counts, i, j);
            if (d.hi < 0) d = Negate(d);
            const DoubleReal corrected = d.hi <= m.total / 2 ? DoubleReal{} : Add(d, -m.total / 2);
            AddTo(sum, SquareOver(corrected, m.total, m.rows[i], m.columns[j]));
        }
    return sum.Value();
}

Real IndependenceDf(const CountTable& counts) {
    return Real(counts.size() - 1) * Real(ColumnsOf(counts) - 1);
}

Real PearsonResidual(const CountTable& counts, std::size_t row, std::size_t column) {
    return PearsonResidual(counts, MarginsOf(counts), row, column);
}

Real PearsonResidual(const CountTable& counts, const TableMargins& m, std::size_t row, std::size_t column) {
    return Div(Value(Deviation(m, counts, row, column)), Sqrt(m.total * m.rows[row] * m.columns[column]));
}

// (O - E) / sqrt(E (1 - R/N)(1 - C/N)) = (N O - R C) sqrt(N) / sqrt(R C (N - R)(N - C)).
Real AdjustedResidual(const CountTable& counts, std::size_t row, std::size_t column) {
    return AdjustedResidual(counts, MarginsOf(counts), row, column);
}

Real AdjustedResidual(const CountTable& counts, const TableMargins& m, std::size_t row, std::size_t column) {
    const Real spread = m.rows[row] * m.columns[column] * (m.total - m.rows[row]) * (m.total - m.columns[column]);
    if (!(spread > 0)) return 0;
    return Value(Deviation(m, counts, row, column)) * Sqrt(m.total) / Sqrt(spread);
}

namespace {

struct Fit {
    Real total = 0, weights = 0;
};

Fit FitOf(const std::vector<Real>& observed, const std::vector<Real>& weights) {
    if (observed.size() != weights.size() || observed.size() < 2) throw ERangeError();
    Fit f;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        f.total += observed[i];
        f.weights += weights[i];
    }
    if (!(f.total > 0) || !(f.weights > 0)) throw ERangeError();
    return f;
}

}  // namespace

// With S the weights' sum, E = N e / S: (O - E)^2 / E = (S O - N e)^2 / (S N e),
// exact inputs where the weights are whole (expected counts).
Real PearsonGoodnessOfFit(const std::vector<Real>& observed, const std::vector<Real>& weights) {
    const Fit f = FitOf(observed, weights);
    CompensatedSum sum;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        // A category expected never and seen never (a structural zero)
        // adds nothing; seen where never expected, no test takes it.
        if (weights[i] == 0) {
            if (observed[i] > 0) throw ERangeError();
            continue;
        }
        AddTo(sum, SquareOver(DifferenceOfProducts(f.weights, observed[i], f.total, weights[i]), f.weights, f.total,
                              weights[i]));
    }
    return sum.Value();
}

Real LikelihoodRatioGoodnessOfFit(const std::vector<Real>& observed, const std::vector<Real>& weights) {
    const Fit f = FitOf(observed, weights);
    CompensatedSum sum;
    for (std::size_t i = 0; i < observed.size(); ++i)
        sum.Add(DevianceTerm(f.weights, observed[i], f.total, weights[i], f.weights));
    return sum.Value();
}

std::vector<Real> GoodnessOfFitResiduals(const std::vector<Real>& observed, const std::vector<Real>& weights) {
    const Fit f = FitOf(observed, weights);
    std::vector<Real> residuals(observed.size(), 0);
    // (O - E) / sqrt(E) = (S O - N e) / sqrt(S N e): no rounded E in it.
    for (std::size_t i = 0; i < observed.size(); ++i)
        if (weights[i] > 0)
            residuals[i] = Div(Value(DifferenceOfProducts(f.weights, observed[i], f.total, weights[i])),
                               Sqrt(f.weights * f.total * weights[i]));
    return residuals;
}

std::vector<Real> ExpectedCountsOfFit(const std::vector<Real>& observed, const std::vector<Real>& weights) {
    const Fit f = FitOf(observed, weights);
    std::vector<Real> expected;
    for (const Real& e : weights) expected.push_back(Div(f.total * e, f.weights));
    return expected;
}

Real CohensW(Real chiSquare, Real total) { return Sqrt(Div(chiSquare, total)); }

Real CramersV(Real chiSquare, Real total, std::size_t rows, std::size_t columns) {
    const std::size_t smaller = std::min(rows, columns);
    if (smaller < 2) throw ERangeError();
    return Sqrt(Div(chiSquare, total * Real(smaller - 1)));
}

// Newton starts from the normal approximation X ~ N(df + lambda, 2(df + 2 lambda))
// with lambda = x - df: for a large statistic a few steps from the root,
// where the noncentral sums are costliest (some 10 sqrt(lambda) terms each).
NoncentralityInterval NoncentralityConfidenceInterval(Real x, Real df, Real level) {
    const Real outside = (1 - level) / 2;
    const Real z = -NormalQuantile(outside);
    const Real centre = x - df, spread = z * Sqrt(2 * (df + 2 * std::max<Real>(0, x)));
    return {NoncentralityOfUpperTail(df, x, outside, centre - spread),
            NoncentralityOfUpperTail(df, x, 1 - outside, centre + spread)};
}

Real Phi(const CountTable& counts) {
    const TableMargins m = MarginsOf(counts);
    if (counts.size() != 2 || m.columns.size() != 2) throw ERangeError();
    const Real cross = counts[0][0] * counts[1][1] - counts[0][1] * counts[1][0];
    return Div(cross, Sqrt(m.rows[0] * m.rows[1]) * Sqrt(m.columns[0] * m.columns[1]));
}

Real HypergeometricProbability(Real a, Real r1, Real r2, Real c1) {
    const Real n = r1 + r2, c2 = n - c1;
    if (a < 0 || a > r1 || c1 - a < 0 || r2 - c1 + a < 0) return 0;
    using detail::LnFactorial;
    DoubleReal ln = Add(Add(LnFactorial(r1), LnFactorial(r2)), Add(LnFactorial(c1), LnFactorial(c2)));
    ln = Subtract(ln, LnFactorial(n));
    ln = Subtract(ln, Add(LnFactorial(a), LnFactorial(r1 - a)));
    ln = Subtract(ln, Add(LnFactorial(c1 - a), LnFactorial(r2 - c1 + a)));
    // e^(hi + lo) = e^hi (1 + lo): lo is below 1e-18.
    if (ln.hi < -11350) return 0;  // at the smallest normal Real (e^-11355)
    return Exp(ln.hi) * (1 + ln.lo);
}

// The hypergeometric terms rise to their mode and fall after it, so the
// tables no more probable than the observed form two tails: the terms from
// the first one at or below that probability outward, on each side. Each
// tail's inner end is found by bisection and its terms are summed outward,
// each from its own exact logarithm (no ratios carried along, no drift),
// until the geometric bound on the rest is negligible.
Real FisherExactTwoByTwo(const CountTable& counts) {
    bool stopped = false;
    return FisherExactTwoByTwo(counts, {}, stopped);
}

Real FisherExactTwoByTwo(const CountTable& counts, const std::function<bool(double)>& progress, bool& stopped) {
    stopped = false;
    const TableMargins m = MarginsOf(counts);
    if (counts.size() != 2 || m.columns.size() != 2) throw ERangeError();
    const Real r1 = m.rows[0], r2 = m.rows[1], c1 = m.columns[0];
    const Real lo = std::max<Real>(0, c1 - r2), hi = std::min(r1, c1);
    const auto p = [&](Real a) { return HypergeometricProbability(a, r1, r2, c1); };
    // R's fisher.test takes tables within a relative 1e-7 as equally probable.
    const Real threshold = p(counts[0][0]) * (1 + 1e-7_r);
    const Real mode = std::clamp<Real>(Floor((r1 + 1) * (c1 + 1) / (m.total + 2)), lo, hi);

    CompensatedSum sum;
    // Some 20 standard deviations of terms at most: the progress's scale.
    const Real spread = 20 * Sqrt(r1 * r2 * c1 * (m.total - c1) / (m.total * m.total * m.total)) + 64;
    std::int64_t terms = 0;
    const auto addOutward = [&](Real from, Real step, Real end) {
        if (stopped) return;
        Real previous = 0;
        for (Real a = from; step > 0 ? a <= end : a >= end; a += step) {
            if (++terms % 4096 == 0 && progress && !progress(std::min(0.99, double(Real(terms) / spread)))) {
                stopped = true;
                return;
            }
            const Real t = p(a);
            sum.Add(t);
            if (!(t > 0) || (previous > 0 && t < previous && t * t <= kSumTol * sum.Value() * (previous - t))) break;
            previous = t;
        }
    };
    // Left of the mode the terms rise: the last a in [lo, mode] at or below
    // the threshold, if any, and every term from it down to lo.
    if (p(lo) <= threshold) {
        Real below = lo, above = mode + 1;  // p(below) <= threshold; above: not, or past the side
        while (above - below > 1) {
            const Real mid = Floor((below + above) / 2);
            (p(mid) <= threshold ? below : above) = mid;
        }
        addOutward(below, -1, lo);
    }
    // Right of the mode they fall: the first a in (mode, hi] at or below it.
    if (mode < hi && p(hi) <= threshold) {
        Real before = mode, at = hi;  // p(at) <= threshold; before: not, or the mode
        while (at - before > 1) {
            const Real mid = Floor((before + at) / 2);
            (p(mid) <= threshold ? at : before) = mid;
        }
        addOutward(at, 1, hi);
    }
    return std::min<Real>(1, sum.Value());
}

}  // namespace tarvik
