#pragma once
// Everything the table window reports about a table of counts, without
// widgets: the tests, the effect sizes with their confidence intervals,
// each cell's expected count and residuals, and the texts that say them.
#include <string>
#include <vector>

#include "calc/fisher_test.h"
#include "calc/table_test.h"
#include "calc/text_table.h"
#include "core/number_text.h"

namespace tarvik {

struct CellDiagnostics {
    Real observed = 0, expected = 0;
    Real residual = 0;  // Pearson's (O - E) / sqrt(E)
    Real adjusted = 0;  // the adjusted standardized residual, about standard normal
    Real adjustedP = 0; // its two-sided normal p times the number of cells (Bonferroni), at most 1
};

struct Interval {
    Real lower = 0, upper = 0;
};

struct TableReport {
    TableTestResult test;
    std::size_t rows = 0, columns = 0;
    Real total = 0;
    std::vector<std::vector<CellDiagnostics>> cells;
    // Cohen's w and Cramer's V with their 95 % intervals, from the
    // noncentrality's interval (lambda / N and lambda / (N (min(r, c) - 1)))
    // widened, where need be, to hold the estimate: where the statistic lies
    // below what any effect makes likely, inverting leaves an interval
    // below it, and widening only ever raises the coverage.
    // Where the inverted interval reaches past the largest value the table's
    // shape allows (V 1 and w sqrt(min(r, c) - 1) for a table; for a fit
    // w sqrt(1 / p - 1), p the smallest expected share, and V that over
    // sqrt(df)), it ends there: no table has a larger effect.
    Real w = 0;
    bool hasIntervals = false;  // not above kLargestIntervalStatistic
    Interval wInterval, vInterval;
    Real largestW = 0, largestV = 0;
    // The bias-corrected V (Bergsma 2013), for a table of independence with
    // enough observations for it (min(r~, c~) > 1).
    bool hasVAdjusted = false;
    Real vAdjusted = 0;
    bool hasPhi = false;
    Real phi = 0;
    // A 2 x 2 table of independence: rows the groups, the first column the
    // event. The odds ratio (Woolf), the risk ratio (Katz) and the risk
    // difference (Newcombe), each `defined` or not (a zero cell).
    bool twoByTwo = false;
    EstimateInterval oddsRatio, riskRatio, riskDifference;
    // The rows' and columns' totals (one row for a goodness of fit).
    std::vector<Real> rowTotals, columnTotals;
    // Each row's letters for its columns' proportions (same letter, no
    // difference), for a table of independence of up to ten columns; empty
    // where none are given.
    std::vector<std::vector<std::string>> columnLetters;
    // Cells with an expected count below 5, and the smallest one.
    std::size_t smallCells = 0;
    Real smallestExpected = 0;
};

inline const Real kConfidenceLevel = 0.95_r;
// The intervals' noncentral sums walk some 10 sqrt(lambda) terms per step:
// 3 ms at a statistic of 2e4, 50 ms at 2e7. Above 1e7 they are left out,
// so that the window answers the next keystroke at once.
inline const Real kLargestIntervalStatistic = 1e7_r;

// Throws TableInputError as TestTable does.
TableReport ReportOf(const CountTable& counts, const std::vector<Real>& weights, int estimated = 0);

// A fit's observed counts and its categories' probabilities (the expected
// counts over the total), for its exact multinomial test.
std::vector<Real> FitObserved(const TableReport& r);
std::vector<Real> FitProbabilities(const TableReport& r);

// "k of m cells (x %) have expected counts below 5; the smallest is e", or
// empty where none has.
std::string SmallExpectedNote(const TableReport& r, const FormatSettings& fs);

// A cell's mark, readable without colour: "+" or "-" by the sign of its
// adjusted residual, with "*" where its Bonferroni p is below 0.05.
std::string CellMark(const CellDiagnostics& cell);

// The test as one sentence in the style of a results section:
// "χ²(2, N = 125) = 10.75, p = .005, V = 0.29" (w for a goodness of fit);
// p to three decimals without its leading zero, "< .001" below.
std::string ResultsSentence(const TableReport& report, const FormatSettings& fs);

// part / whole as a percentage to one decimal, correctly rounded from the
// exact quotient of the two whole counts (ties to even): 247 of 2000 is
// 12.4, where a Real quotient, 12.3499..., would print 12.3.
std::string PercentText(Real part, Real whole, const FormatSettings& fs);

// A row's or column's label, or its number from 1 where it has none.
inline std::string LabelOf(const std::vector<std::string>& labels, std::size_t i) {
    return i < labels.size() ? labels[i] : std::to_string(i + 1);
}

// A p-value as the window shows it: in decimals, one too small for the
// digits shown is given in significant digits (2.30e-220), not as
// "0.000000", which says p is 0.
std::string PValueText(Real p, const NumberFormat& format, const FormatSettings& fs);

// The report's lines as the window shows them and Copy results copies
// them (the exact test's line is the window's own: it is computed later).
std::vector<std::string> ReportLines(const TableReport& r, const NumberFormat& format, const FormatSettings& fs,
                                     const std::vector<std::string>& rowLabels = {},
                                     const std::vector<std::string>& columnLabels = {});

// One record for the command line: chi2, df, p, G2, p_G2, V, V_adj, V_low,
// V_high, w, w_low, w_high, for 2 x 2 yates_chi2 and p_yates, Fisher's test
// where given (fisher_p, or fisher_p_mc, fisher_se and fisher_seed), and
// small_expected (cells with an expected count below 5, of all).
TextTable TableRecord(const TableReport& r, const FisherOutcome* fisher, const NumberFormat& format);

// One row per cell: row, column, observed, the percentages (with the
// column proportions' letters where the report has them), expected,
// residuals, p, mark; the cells row by row, cell k at row k / columns,
// column k % columns.
std::vector<std::string> CellsHeader(const TableReport& r);
std::vector<std::string> CellsRow(const TableReport& r, std::size_t k, const std::vector<std::string>& rowLabels,
                                  const std::vector<std::string>& columnLabels, const NumberFormat& format,
                                  const FormatSettings& fs);
TextTable CellsTable(const TableReport& r, const std::vector<std::string>& rowLabels,
                     const std::vector<std::string>& columnLabels, const NumberFormat& format, const FormatSettings& fs);

}  // namespace tarvik
