// Power and sample size of the chi-square test (Cohen, Statistical Power
// Analysis for the Behavioral Sciences, 1988, chapter 7). Under H1 the
// statistic of N observations with effect size w is noncentral chi-square
// with noncentrality lambda = N w^2, so the power at level alpha is
//   power = P(X > c; df, lambda),  c = the upper alpha point of the central
// chi-square. It rises with lambda, so each unknown has one solution:
// - power: one noncentral upper tail;
// - lambda for a power: Newton's method on the upper tail, whose slope in
//   lambda is the noncentral density of df + 2 at c (d/dmu of sum_j p_j
//   Q(a + j) is sum_j p_j w(a + j), the density's terms two df on);
// - N: the smallest whole N with N w^2 at or above that lambda, then
//   checked at N and N - 1 on the power itself, so that rounding in the
//   solved lambda can never move it;
// - alpha: the noncentral upper quantile of the power gives c, whose
//   central upper tail is alpha.
#include <algorithm>
#include <vector>

#include "core/checked_math.h"
#include "core/errors.h"
#include "math/chi_square_power.h"
#include "math/distributions.h"

namespace tarvik {

using namespace checked;

namespace {
constexpr int kNoncentralityPassLimit = 400;
const Real kNoncentralityConverged = 4.4e-19_r;
}

Real ChiSquareTestPower(Real df, Real w, Real alpha, Real n) {
    return NoncentralChiSquareUpperTail(df, n * w * w, ChiSquareUpperQuantile(df, alpha));
}

Real ChiSquareTestNoncentrality(Real df, Real alpha, Real power) {
    return NoncentralityOfUpperTail(df, ChiSquareUpperQuantile(df, alpha), power);
}

Real NoncentralityOfUpperTail(Real df, Real c, Real power, Real start) {
    if (!(NoncentralChiSquareUpperTail(df, 0, c) < power)) return 0;
    // lo: the tail below the target (at 0 at least); hi found by doubling.
    Real lo = 0, hi = 0, lambda = start > 0 ? start : std::max<Real>(1, df);
    for (int pass = 0; pass < kNoncentralityPassLimit; ++pass) {
        const Real g = NoncentralChiSquareUpperTail(df, lambda, c) - power;
        if (g == 0) return lambda;
        (g < 0 ? lo : hi) = lambda;
        const Real slope = NoncentralChiSquarePdf(df + 2, lambda, c);
        // Far below the target the slope is tiny beside the gap (a power of
        // 1e-28 with a slope of 5e-28 at alpha 5e-50): Newton would leap to a
        // lambda of 1e27. Until a lambda above the root is known, a step
        // goes at most to the double.
        Real next = slope > 0 ? lambda - g / slope : 0;
        if (hi == 0) next = std::min(next, lambda * 2);
        // Converged when Newton's own step is below a few units of the last
        // place. Tested before the bracket: the last step rounds back onto
        // lambda, the bracket's end, and taken for a step outside it that
        // would have sent the search halfway back to 0 (40 passes, not 6).
        if (Abs(next - lambda) <= kNoncentralityConverged * lambda) return next;
        if (!(next > lo && (hi == 0 || next < hi))) next = hi == 0 ? lambda * 2 : (lo + hi) / 2;
        if (hi > 0 && hi - lo <= kNoncentralityConverged * hi) return next;
        lambda = next;
    }
    throw ENoConvergence("NoncentralityOfUpperTail", kNoncentralityPassLimit);
}

Real ChiSquareTestSampleSize(Real df, Real w, Real alpha, Real power, Real largest) {
    const Real lambda = ChiSquareTestNoncentrality(df, alpha, power);
    const Real w2 = w * w;
    Real n = std::max<Real>(1, -Floor(-lambda / w2));
    if (n > largest + 1) return 0;
    n = std::min(n, largest);
    const auto reaches = [&](Real m) { return ChiSquareTestPower(df, w, alpha, m) >= power; };
    while (!reaches(n)) {
        if (n >= largest) return 0;
        n += 1;
    }
    while (n > 1 && reaches(n - 1)) n -= 1;
    return n;
}

Real ChiSquareTestEffectSize(Real df, Real alpha, Real power, Real n) {
    return Sqrt(ChiSquareTestNoncentrality(df, alpha, power) / n);
}

Real ChiSquareTestAlpha(Real df, Real w, Real power, Real n) {
    return ChiSquareUpperTail(df, NoncentralChiSquareUpperQuantile(df, n * w * w, power));
}

Real EffectSizeOfProportions(const std::vector<Real>& expected, const std::vector<Real>& alternative) {
    if (expected.size() != alternative.size() || expected.empty()) throw ERangeError();
    Real sum = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Real d = alternative[i] - expected[i];
        sum += Div(d * d, expected[i]);
    }
    return Sqrt(sum);
}

Real EffectSizeOfTable(const std::vector<std::vector<Real>>& cells) {
    if (cells.empty() || cells[0].empty()) throw ERangeError();
    const std::size_t columns = cells[0].size();
    std::vector<Real> rowSums(cells.size(), 0), columnSums(columns, 0);
    Real total = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].size() != columns) throw ERangeError();
        for (std::size_t j = 0; j < columns; ++j) {
            rowSums[i] += cells[i][j];
            columnSums[j] += cells[i][j];
            total += cells[i][j];
        }
    }
    // The cells as given need not add up to exactly 1: they are scaled.
    Real sum = 0;
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = 0; j < columns; ++j) {
            const Real independent = Div(rowSums[i] * columnSums[j], total * total);
            const Real d = cells[i][j] / total - independent;
            sum += Div(d * d, independent);
        }
    return Sqrt(sum);
}

}  // namespace tarvik
