#include "calc/pairwise.h"

#include <algorithm>
#include <numeric>

#include "calc/table_report.h"
#include "calc/table_test.h"
#include "core/decimal_digits.h"
#include "core/translation.h"

namespace tarvik {

bool AdjustmentOfName(const std::string& name, Adjustment& adjustment) {
    if (name == "holm") adjustment = Adjustment::Holm;
    else if (name == "bonferroni") adjustment = Adjustment::Bonferroni;
    else return false;
    return true;
}

// Holm: the k-th smallest p times (m - k + 1), each at least the one
// before it (the step-down keeps the order), at most 1.
std::vector<Real> AdjustedP(const std::vector<Real>& p, Adjustment adjustment) {
    const Real m = Real(p.size());
    std::vector<Real> adjusted(p.size());
    if (adjustment == Adjustment::Bonferroni) {
        for (std::size_t i = 0; i < p.size(); ++i) adjusted[i] = std::min<Real>(1, m * p[i]);
        return adjusted;
    }
    std::vector<std::size_t> order(p.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return p[a] < p[b]; });
    Real running = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        running = std::max(running, std::min<Real>(1, (m - Real(k)) * p[order[k]]));
        adjusted[order[k]] = running;
    }
    return adjusted;
}

std::vector<PairwiseComparison> PairwiseRows(const CountTable& counts) {
    std::vector<PairwiseComparison> pairs;
    for (std::size_t i = 0; i < counts.size(); ++i)
        for (std::size_t j = i + 1; j < counts.size(); ++j) {
            PairwiseComparison c;
            c.first = i;
            c.second = j;
            CountTable two(2);
            for (std::size_t k = 0; k < counts[i].size(); ++k)
                if (counts[i][k] + counts[j][k] > 0) {
                    two[0].push_back(counts[i][k]);
                    two[1].push_back(counts[j][k]);
                }
            if (two[0].size() >= 2) {
                const TableTestResult t = TestTable(two, {});
                c.tested = true;
                c.chiSquare = t.chiSquare;
                c.df = t.df;
                c.p = t.p;
            }
            pairs.push_back(c);
        }
    std::vector<Real> p;
    for (const PairwiseComparison& c : pairs) p.push_back(c.p);
    const std::vector<Real> holm = AdjustedP(p, Adjustment::Holm), bonferroni = AdjustedP(p, Adjustment::Bonferroni);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        pairs[k].holm = holm[k];
        pairs[k].bonferroni = bonferroni[k];
    }
    return pairs;
}

TextTable PairwiseTable(const std::vector<PairwiseComparison>& pairs, const std::vector<std::string>& rowLabels,
                        Adjustment adjustment, const NumberFormat& format) {
    const auto n = [&](Real v) { return FormatNumber(v, format, FormatSettings{}); };
    TextTable t{TextTable::Kind::Records, "", {"rows", "chi2", "df", "p", adjustment == Adjustment::Holm ? "p_holm" : "p_bonferroni"}, {}};
    for (const PairwiseComparison& c : pairs)
        t.rows.push_back({LabelOf(rowLabels, c.first) + "," + LabelOf(rowLabels, c.second), n(c.chiSquare),
                          FixedDigits(c.df, 0), n(c.p), n(adjustment == Adjustment::Holm ? c.holm : c.bonferroni)});
    return t;
}

std::vector<std::string> PairwiseLines(const std::vector<PairwiseComparison>& pairs,
                                       const std::vector<std::string>& rowLabels, const NumberFormat& format,
                                       const FormatSettings& fs) {
    if (pairs.empty()) return {};
    const auto n = [&](Real v) { return FormatNumber(v, format, fs); };
    const auto p = [&](Real v) { return PValueText(v, format, fs); };
    std::vector<std::string> lines{Tr("Report", "Rows compared in pairs (Pearson \u03c7\u00b2; p adjusted by Holm and by Bonferroni):")};
    for (const PairwiseComparison& c : pairs) {
        const std::string rows = LabelOf(rowLabels, c.first) + " / " + LabelOf(rowLabels, c.second);
        lines.push_back(c.tested ? Fill(Tr("Report", "  %1: \u03c7\u00b2 = %2, df = %3, p = %4, Holm %5, Bonferroni %6"),
                                        {rows, n(c.chiSquare), FixedDigits(c.df, 0), p(c.p), p(c.holm), p(c.bonferroni)})
                                 : Fill(Tr("Report", "  %1: all in one column, nothing to compare"), {rows}));
    }
    return lines;
}

std::vector<std::string> TableWindowLines(const TableReport& report, const CountTable& counts,
                                          const std::vector<std::string>& rowLabels,
                                          const std::vector<std::string>& columnLabels, const NumberFormat& format,
                                          const FormatSettings& fs) {
    std::vector<std::string> lines = ReportLines(report, format, fs, rowLabels, columnLabels);
    constexpr std::size_t kMostPairwiseRows = 10;
    if (!report.test.goodnessOfFit && counts.size() >= 3 && counts.size() <= kMostPairwiseRows)
        for (std::string& line : PairwiseLines(PairwiseRows(counts), rowLabels, format, fs)) lines.push_back(std::move(line));
    return lines;
}

}  // namespace tarvik
