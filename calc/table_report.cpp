#include "core/translation.h"
#include "calc/column_letters.h"
#include "calc/table_report.h"

#include <cstdint>

#include "calc/two_by_two_lines.h"

#include <algorithm>

#include "core/checked_math.h"
#include "core/decimal_digits.h"
#include "math/distributions.h"

namespace tarvik {

using namespace checked;

namespace {

constexpr int kSmallExpected = 5;

Interval Widened(Interval i, Real estimate) {
    return {std::min(i.lower, estimate), std::max(i.upper, estimate)};
}

// Two-sided normal p of a residual, times the cells (Bonferroni), at most 1.
// Most cells of a large table come to 1: where a lower bound of the tail
// already gets there, the tail is not computed (a microsecond each, 10 ms
// of a 100 x 100 table's report). The bounds: Phi(-z) > Phi(-1) for
// z < 1, and Phi(-z) > phi(z) z / (1 + z^2) (Gordon 1941) above.
Real BonferroniP(Real z, std::size_t cells) {
    const Real a = Abs(z), scale = 2 * Real(cells);
    const Real kTailAtOne = 0.1586552539314570514_r;
    const Real kInvSqrt2Pi = 0.3989422804014326779399_r;
    if (a <= 1 ? scale * kTailAtOne >= 1 : scale * kInvSqrt2Pi * Exp(-a * a / 2) * a / (1 + a * a) >= 1) return 1;
    return std::min<Real>(1, scale * NormalUpperTail(a));
}

// Bergsma's (2013) bias-corrected V: phi^2 less its bias (r - 1)(c - 1) /
// (N - 1), over the corrected shape's min(r~, c~) - 1, with
// r~ = r - (r - 1)^2 / (N - 1) (and c~ alike).
bool BiasCorrectedV(Real chiSquare, Real total, std::size_t rows, std::size_t columns, Real& v) {
    if (!(total > 1)) return false;
    const Real r = Real(rows), c = Real(columns), bias = (r - 1) * (c - 1) / (total - 1);
    const Real phi2 = std::max<Real>(0, chiSquare / total - bias);
    const Real shape = std::min(r - (r - 1) * (r - 1) / (total - 1), c - (c - 1) * (c - 1) / (total - 1)) - 1;
    if (!(shape > 0)) return false;
    v = Sqrt(phi2 / shape);
    return true;
}

}  // namespace

TableReport ReportOf(const CountTable& counts, const std::vector<Real>& weights, int estimated) {
    TableReport r;
    r.test = TestTable(counts, weights, estimated);
    if (r.test.goodnessOfFit) {
        const std::vector<Real> observed = CellsInOrder(counts);
        const std::vector<Real> w = weights.empty() ? std::vector<Real>(observed.size(), 1) : weights;
        const std::vector<Real> expected = ExpectedCountsOfFit(observed, w);
        const std::vector<Real> residuals = GoodnessOfFitResiduals(observed, w);
        r.rows = 1;
        r.columns = observed.size();
        r.cells.assign(1, std::vector<CellDiagnostics>(observed.size()));
        for (std::size_t j = 0; j < observed.size(); ++j) {
            CellDiagnostics& c = r.cells[0][j];
            c.observed = observed[j];
            c.expected = expected[j];
            r.total += observed[j];
            // An expected count of 0 only goes with an observed 0 (refused otherwise).
            c.residual = residuals[j];
        }
        // Adjusted: (O - E) / sqrt(E (1 - p)), p = e / S the cell's share.
        Real weights = 0;
        for (const Real& e : w) weights += e;
        for (std::size_t j = 0; j < observed.size(); ++j) {
            CellDiagnostics& c = r.cells[0][j];
            c.adjusted = w[j] < weights ? c.residual / Sqrt((weights - w[j]) / weights) : 0;
        }
    } else {
        const TableMargins m = MarginsOf(counts);
        const CountTable expected = ExpectedCounts(m);
        r.rows = counts.size();
        r.columns = m.columns.size();
        r.total = m.total;
        r.cells.assign(r.rows, std::vector<CellDiagnostics>(r.columns));
        for (std::size_t i = 0; i < r.rows; ++i)
            for (std::size_t j = 0; j < r.columns; ++j) {
                CellDiagnostics& c = r.cells[i][j];
                c.observed = counts[i][j];
                c.expected = expected[i][j];
                c.residual = PearsonResidual(counts, m, i, j);
                c.adjusted = AdjustedResidual(counts, m, i, j);
            }
        r.columnLetters = ColumnLetters(counts);
        r.hasPhi = r.test.twoByTwo;
        if (r.hasPhi) r.phi = Phi(counts);
        r.twoByTwo = r.test.twoByTwo;
        if (r.twoByTwo) {
            const TwoByTwoCounts t{counts[0][0], counts[0][1], counts[1][0], counts[1][1]};
            r.oddsRatio = OddsRatioWoolf(t);
            r.riskRatio = RiskRatioKatz(t);
            r.riskDifference = RiskDifferenceNewcombe(t);
        }
    }
    r.rowTotals.assign(r.rows, 0);
    r.columnTotals.assign(r.columns, 0);
    for (std::size_t i = 0; i < r.rows; ++i)
        for (std::size_t j = 0; j < r.columns; ++j) {
            r.rowTotals[i] += r.cells[i][j].observed;
            r.columnTotals[j] += r.cells[i][j].observed;
        }
    const std::size_t cellCount = r.rows * r.columns;
    r.smallestExpected = r.cells[0][0].expected;
    for (auto& row : r.cells)
        for (CellDiagnostics& c : row) {
            c.adjustedP = BonferroniP(c.adjusted, cellCount);
            // A category expected 0 (a fit's structural zero) is no cell of the test.
            if (c.expected > 0 && c.expected < kSmallExpected) ++r.smallCells;
            if (c.expected > 0) r.smallestExpected = std::min(r.smallestExpected, c.expected);
        }
    // A fit's categories are those expected at all: one expected 0 (seen 0)
    // takes no part, in V's k - 1 nor in the largest w.
    std::size_t categories = 0;
    Real smallestShare = 1;
    if (r.test.goodnessOfFit)
        for (const CellDiagnostics& c : r.cells[0])
            if (c.expected > 0) {
                ++categories;
                smallestShare = std::min(smallestShare, c.expected / r.total);
            }
    // V's denominator: N (min(r, c) - 1) for a table, N (k - 1) for goodness of fit.
    const Real vScale = r.test.goodnessOfFit ? r.total * Real(categories - 1)
                                             : r.total * Real(std::min(r.rows, r.columns) - 1);
    r.w = CohensW(r.test.chiSquare, r.total);
    if (r.test.goodnessOfFit) {
        r.largestW = Sqrt(1 / smallestShare - 1);
        r.largestV = r.largestW / Sqrt(Real(categories - 1));
    } else {
        r.largestW = Sqrt(Real(std::min(r.rows, r.columns) - 1));
        r.largestV = 1;
        r.hasVAdjusted = BiasCorrectedV(r.test.chiSquare, r.total, r.rows, r.columns, r.vAdjusted);
    }
    r.hasIntervals = r.test.chiSquare <= kLargestIntervalStatistic;
    if (!r.hasIntervals) return r;
    const NoncentralityInterval lambda = NoncentralityConfidenceInterval(r.test.chiSquare, r.test.df, kConfidenceLevel);
    const auto bounded = [](Interval i, Real largest) {
        return Interval{std::min(i.lower, largest), std::min(i.upper, largest)};
    };
    // Bounded, then widened to the estimate: at the bound the estimate and
    // the bound are the same number formed two ways, an epsilon apart.
    r.wInterval = Widened(bounded({Sqrt(lambda.lower / r.total), Sqrt(lambda.upper / r.total)}, r.largestW), r.w);
    r.vInterval = Widened(bounded({Sqrt(lambda.lower / vScale), Sqrt(lambda.upper / vScale)}, r.largestV), r.test.cramersV);
    return r;
}

std::string SmallExpectedNote(const TableReport& r, const FormatSettings& fs) {
    if (r.smallCells == 0) return {};
    const std::size_t cells = r.rows * r.columns;
    return Fill(Tr("Report", "%1 of %2 cells (%3 %) have expected counts below 5; the smallest is %4"),
                {std::to_string(r.smallCells), std::to_string(cells),
                 FormatFixed(Real(100) * Real(r.smallCells) / Real(cells), 1, fs),
                 FormatNumber(r.smallestExpected, {NumberStyle::Significant, 4}, fs)});
}

std::string CellMark(const CellDiagnostics& cell) {
    if (cell.adjusted == 0) return "";
    std::string mark = cell.adjusted > 0 ? "+" : "-";
    if (cell.adjustedP < 0.05_r) mark += "*";
    return mark;
}

std::string PValueText(Real p, const NumberFormat& format, const FormatSettings& fs) {
    const std::string text = FormatNumber(p, format, fs);
    if (format.style != NumberStyle::Decimals || !(p > 0) || text.find_first_of("123456789") != std::string::npos)
        return text;
    return FormatNumber(p, {NumberStyle::Significant, format.digits}, fs);
}

std::vector<std::string> ReportLines(const TableReport& r, const NumberFormat& format, const FormatSettings& fs,
                                     const std::vector<std::string>& rowLabels,
                                     const std::vector<std::string>& columnLabels) {
    const auto n = [&](Real v) { return FormatNumber(v, format, fs); };
    const auto p = [&](Real v) { return PValueText(v, format, fs); };
    const std::string df = FixedDigits(r.test.df, 0);
    std::vector<std::string> lines;
    lines.push_back(Fill(Tr("Report", "Pearson \u03c7\u00b2 = %1, df = %2, p = %3"), {n(r.test.chiSquare), df, p(r.test.p)}));
    lines.push_back(Fill(Tr("Report", "Likelihood ratio G\u00b2 = %1, df = %2, p = %3"),
                         {n(r.test.likelihoodRatio), df, p(r.test.pLikelihoodRatio)}));
    if (r.test.twoByTwo)
        lines.push_back(Fill(Tr("Report", "Yates' corrected \u03c7\u00b2 = %1, p = %2 (beside the plain test)"),
                             {n(r.test.yatesChiSquare), p(r.test.pYates)}));
    const auto interval = [&](const Interval& i) {
        return r.hasIntervals ? Fill(Tr("Report", ", 95 % CI %1 to %2"), {n(i.lower), n(i.upper)})
                              : Tr("Report", ", no 95 % CI above \u03c7\u00b2 = 1e7");
    };
    lines.push_back(Fill(Tr("Report", "Cram\u00e9r's V = %1%2"), {n(r.test.cramersV), interval(r.vInterval)}));
    if (r.hasVAdjusted) lines.push_back(Fill(Tr("Report", "Bias-corrected V (Bergsma 2013) = %1"), {n(r.vAdjusted)}));
    lines.push_back(Fill(Tr("Report", "Cohen's w = %1%2"), {n(r.w), interval(r.wInterval)}));
    if (r.hasPhi) lines.push_back("phi = " + n(r.phi));
    for (std::string& line : TwoByTwoLines(r, format, fs, rowLabels, columnLabels)) lines.push_back(std::move(line));
    if (const std::string note = SmallExpectedNote(r, fs); !note.empty()) lines.push_back(note);
    return lines;
}

std::vector<Real> FitObserved(const TableReport& r) {
    std::vector<Real> observed;
    for (const auto& row : r.cells)
        for (const CellDiagnostics& c : row) observed.push_back(c.observed);
    return observed;
}

std::vector<Real> FitProbabilities(const TableReport& r) {
    std::vector<Real> p;
    for (const auto& row : r.cells)
        for (const CellDiagnostics& c : row) p.push_back(c.expected / r.total);
    return p;
}

TextTable TableRecord(const TableReport& r, const FisherOutcome* fisher, const NumberFormat& format) {
    const auto n = [&](Real v) { return FormatNumber(v, format, FormatSettings{}); };
    TextTable t{TextTable::Kind::Records, "", {}, {{}}};
    const auto add = [&t](const char* key, std::string value) {
        t.header.push_back(key);
        t.rows[0].push_back(std::move(value));
    };
    add("chi2", n(r.test.chiSquare));
    add("df", FixedDigits(r.test.df, 0));
    add("p", n(r.test.p));
    add("G2", n(r.test.likelihoodRatio));
    add("p_G2", n(r.test.pLikelihoodRatio));
    add("V", n(r.test.cramersV));
    if (r.hasVAdjusted) add("V_adj", n(r.vAdjusted));
    if (r.hasIntervals) {
        add("V_low", n(r.vInterval.lower));
        add("V_high", n(r.vInterval.upper));
    }
    add("w", n(r.w));
    if (r.hasIntervals) {
        add("w_low", n(r.wInterval.lower));
        add("w_high", n(r.wInterval.upper));
    }
    if (r.test.twoByTwo) {
        add("yates_chi2", n(r.test.yatesChiSquare));
        add("p_yates", n(r.test.pYates));
    }
    // Fisher's test of a table, or the exact multinomial test of a fit.
    const std::string exact = fisher && fisher->multinomial ? "exact" : "fisher";
    if (fisher && fisher->kind == FisherOutcome::Kind::Exact) add((exact + "_p").c_str(), n(fisher->p));
    if (fisher && fisher->kind == FisherOutcome::Kind::MonteCarlo) {
        add((exact + "_p_mc").c_str(), n(fisher->p));
        add((exact + "_se").c_str(), n(fisher->standardError));
        add((exact + "_seed").c_str(), std::to_string(fisher->seed));
    }
    AddTwoByTwoRecord(t, r, fisher, format);
    add("small_expected", std::to_string(r.smallCells) + "/" + std::to_string(r.rows * r.columns));
    return t;
}

std::string ResultsSentence(const TableReport& r, const FormatSettings& fs) {
    const auto two = [&](Real v) { return FormatFixed(v, 2, fs); };
    std::string p;
    if (r.test.p < 0.001_r) {
        p = "< " + std::string(1, fs.DecimalSeparator) + "001";
    } else {
        const std::string three = FormatFixed(r.test.p, 3, fs);
        p = three == "1" + std::string(1, fs.DecimalSeparator) + "000" ? "> " + std::string(1, fs.DecimalSeparator) + "999"
                                                                      : "= " + three.substr(1);  // ".005": no leading zero
    }
    const bool fit = r.test.goodnessOfFit;
    return Fill(Tr("Report", "\u03c7\u00b2(%1, N = %2) = %3, p %4, %5 = %6"),
                {FixedDigits(r.test.df, 0), FixedDigits(r.total, 0), two(r.test.chiSquare), p, fit ? "w" : "V",
                 two(fit ? r.w : r.test.cramersV)});
}

std::string PercentText(Real part, Real whole, const FormatSettings& fs) {
    __extension__ typedef unsigned __int128 Wide;  // GCC and Clang on 64-bit targets
    const Real kLargestExact = 1e18_r;  // 1000 times it stays far below 2^128
    // No share of nothing: a fit's category seen 0 times is its column's
    // whole, and 0 / 0 printed as NAN.
    if (!(whole > 0)) return "-";
    if (!(part >= 0) || part > kLargestExact || whole > kLargestExact) return FormatFixed(100 * part / whole, 1, fs);
    const Wide numerator = Wide(static_cast<std::uint64_t>(part)) * 1000, denominator = static_cast<std::uint64_t>(whole);
    Wide tenths = numerator / denominator;
    const Wide rest = numerator % denominator;
    if (2 * rest > denominator || (2 * rest == denominator && (tenths & 1))) ++tenths;
    return std::to_string(std::uint64_t(tenths / 10)) + fs.DecimalSeparator + std::to_string(int(tenths % 10));
}

std::vector<std::string> CellsHeader(const TableReport& r) {
    std::vector<std::string> header{Tr("Report", "row"),      Tr("Report", "column"),   Tr("Report", "observed"),
                                    Tr("Report", "row %"),    Tr("Report", "column %"), Tr("Report", "total %"),
                                    Tr("Report", "expected"), Tr("Report", "residual"), Tr("Report", "adjusted residual"),
                                    Tr("Report", "Bonferroni p"), Tr("Report", "mark")};
    if (!r.columnLetters.empty()) header.insert(header.begin() + 5, Tr("Report", "letters"));
    return header;
}

std::vector<std::string> CellsRow(const TableReport& r, std::size_t k, const std::vector<std::string>& rowLabels,
                                  const std::vector<std::string>& columnLabels, const NumberFormat& format,
                                  const FormatSettings& fs) {
    const auto n = [&](Real v) { return FormatNumber(v, format, fs); };
    const std::size_t i = k / r.columns, j = k % r.columns;
    const CellDiagnostics& c = r.cells[i][j];
    std::vector<std::string> row{LabelOf(rowLabels, i), LabelOf(columnLabels, j),
            FixedDigits(c.observed, 0),
            PercentText(c.observed, r.rowTotals[i], fs),
            PercentText(c.observed, r.columnTotals[j], fs),
            PercentText(c.observed, r.total, fs),
            n(c.expected),
            n(c.residual),
            n(c.adjusted),
            n(c.adjustedP),
            CellMark(c)};
    if (!r.columnLetters.empty()) row.insert(row.begin() + 5, r.columnLetters[i][j]);
    return row;
}

TextTable CellsTable(const TableReport& r, const std::vector<std::string>& rowLabels,
                     const std::vector<std::string>& columnLabels, const NumberFormat& format, const FormatSettings& fs) {
    TextTable t{TextTable::Kind::Grid, Tr("Report", "Cells"), CellsHeader(r), {}};
    for (std::size_t k = 0; k < r.rows * r.columns; ++k) t.rows.push_back(CellsRow(r, k, rowLabels, columnLabels, format, fs));
    return t;
}

}  // namespace tarvik
