#pragma once
// The chi-square tests of a table of counts: independence (or homogeneity)
// of an r x c table, and goodness of fit of one row against expected
// weights. Counts are whole and non-negative, every row and column of a
// table adds up to more than 0, and expected weights are positive; the
// callers check this with messages naming the cell.
//
// Each statistic is formed where its inputs are still whole numbers, so
// that it keeps the Real's full precision: with N the total, R and C a
// cell's row and column sums and O its count, the expected count is
// E = R C / N, and
//   Pearson's term   (O - E)^2 / E          = (N O - R C)^2 / (N R C),
//   the G^2 term     2 (O ln(O / E) + E - O) = 2 bd0(N O, R C) / N,
// where N O - R C is formed in double-Real precision from the exact
// products (N O passes the Real's 64 bits from counts near 4e9), and
// bd0(b, l) = b ln(b / l) + l - b >= 0 is Loader's deviance in double-Real
// precision. No difference of two rounded sums is ever formed.
#include <functional>
#include <vector>

#include "core/real.h"

namespace tarvik {

using CountTable = std::vector<std::vector<Real>>;

// The cells row by row: a fit's one line of counts, whichever way it lies.
inline std::vector<Real> CellsInOrder(const CountTable& counts) {
    std::vector<Real> cells;
    for (const auto& row : counts) cells.insert(cells.end(), row.begin(), row.end());
    return cells;
}

struct TableMargins {
    std::vector<Real> rows, columns;
    Real total = 0;
};
TableMargins MarginsOf(const CountTable& counts);

// Expected counts R C / N.
CountTable ExpectedCounts(const CountTable& counts);
CountTable ExpectedCounts(const TableMargins& margins);

// Independence: the statistics and their df, (r - 1)(c - 1).
Real PearsonChiSquare(const CountTable& counts);
Real LikelihoodRatioChiSquare(const CountTable& counts);
// A 2 x 2 table's Pearson statistic with Yates' continuity correction,
// |O - E| lowered by 1/2 but never below 0 (as R's chisq.test does).
Real YatesChiSquare(const CountTable& counts);
Real IndependenceDf(const CountTable& counts);

// Cell diagnostics: Pearson's residual (O - E) / sqrt(E) and the adjusted
// standardized residual (O - E) / sqrt(E (1 - R/N)(1 - C/N)) (Haberman
// 1973), about standard normal under independence. The adjusted residual
// of a table whose row or column holds every count (R = N) is 0.
Real PearsonResidual(const CountTable& counts, std::size_t row, std::size_t column);
Real AdjustedResidual(const CountTable& counts, std::size_t row, std::size_t column);
// The same from margins summed once: a report of every cell stays linear
// in the cells.
Real PearsonResidual(const CountTable& counts, const TableMargins& margins, std::size_t row, std::size_t column);
Real AdjustedResidual(const CountTable& counts, const TableMargins& margins, std::size_t row, std::size_t column);

// Goodness of fit of observed counts to expected weights (proportions or
// expected counts alike: they are scaled to the total), df k - 1.
Real PearsonGoodnessOfFit(const std::vector<Real>& observed, const std::vector<Real>& weights);
Real LikelihoodRatioGoodnessOfFit(const std::vector<Real>& observed, const std::vector<Real>& weights);
// Pearson's residuals (O - E) / sqrt(E) of a fit's counts.
std::vector<Real> GoodnessOfFitResiduals(const std::vector<Real>& observed, const std::vector<Real>& weights);
std::vector<Real> ExpectedCountsOfFit(const std::vector<Real>& observed, const std::vector<Real>& weights);

// Effect sizes of a statistic of N observations: Cohen's w = sqrt(chi2 / N)
// and Cramer's V = sqrt(chi2 / (N (min(r, c) - 1))).
Real CohensW(Real chiSquare, Real total);
Real CramersV(Real chiSquare, Real total, std::size_t rows, std::size_t columns);
// The confidence interval of the noncentrality lambda behind a statistic
// x with df degrees of freedom, by inverting the noncentral chi-square
// (Steiger and Fouladi 1997): lower is the lambda at which x is the upper
// (1 - level)/2 point, upper the one at which x is the lower (1 - level)/2
// point; 0 where even lambda = 0 puts x beyond that point.
struct NoncentralityInterval {
    Real lower, upper;
};
NoncentralityInterval NoncentralityConfidenceInterval(Real x, Real df, Real level);

// phi of a 2 x 2 table [[a, b], [c, d]], with its sign:
// (ad - bc) / sqrt(R1 R2 C1 C2).
Real Phi(const CountTable& counts);

// Fisher's exact test of a 2 x 2 table, two-sided: the probability, given
// the margins, of every table no more probable than the one observed (as
// R's fisher.test counts it: within a relative 1e-7 of it counts as equal).
Real FisherExactTwoByTwo(const CountTable& counts);
// The same, calling `progress` with the share done every 4096 terms (about
// a tenth of a millisecond); where it returns false the sum stops, `stopped`
// is set and the p is not to be used.
Real FisherExactTwoByTwo(const CountTable& counts, const std::function<bool(double)>& progress, bool& stopped);
// The hypergeometric probability of a in the top left cell of a 2 x 2
// table with first row sum r1, second row sum r2 and first column sum c1.
Real HypergeometricProbability(Real a, Real r1, Real r2, Real c1);

}  // namespace tarvik
