#pragma once
// What follows a significant r x c table: its rows compared in pairs, each
// pair of rows a 2 x c table of its own (Pearson's chi-square, columns
// empty in both rows left out), with the p-values adjusted for the
// r (r - 1) / 2 comparisons by Holm's step-down method (Holm 1979) or
// Bonferroni's.
#include <cstddef>
#include <string>
#include <vector>

#include "calc/text_table.h"
#include "core/format_settings.h"
#include "core/number_text.h"
#include "math/contingency_table.h"

namespace tarvik {

enum class Adjustment { Holm, Bonferroni };
bool AdjustmentOfName(const std::string& name, Adjustment& adjustment);

// The adjusted p-values, in the order given; each at most 1.
std::vector<Real> AdjustedP(const std::vector<Real>& p, Adjustment adjustment);

struct PairwiseComparison {
    std::size_t first = 0, second = 0;  // rows, first < second
    bool tested = false;  // false where the two rows share a single column: nothing to compare
    Real chiSquare = 0, df = 0, p = 1;
    Real holm = 1, bonferroni = 1;
};
std::vector<PairwiseComparison> PairwiseRows(const CountTable& counts);

// The command line's lines (rows, chi2, df, p, p_adj), one per pair.
TextTable PairwiseTable(const std::vector<PairwiseComparison>& pairs, const std::vector<std::string>& rowLabels,
                        Adjustment adjustment, const NumberFormat& format);
// The window's lines: a heading, then one per pair with both adjustments.
std::vector<std::string> PairwiseLines(const std::vector<PairwiseComparison>& pairs,
                                       const std::vector<std::string>& rowLabels, const NumberFormat& format,
                                       const FormatSettings& fs);

struct TableReport;
// The table window's results under a table (the desktop's window and the
// browser's page show these): the report's lines, then, for 3 to 10 rows
// of a table of independence, each pair of rows compared (45 pairs; more
// are the command line's --pairwise).
std::vector<std::string> TableWindowLines(const TableReport& report, const CountTable& counts,
                                          const std::vector<std::string>& rowLabels,
                                          const std::vector<std::string>& columnLabels, const NumberFormat& format,
                                          const FormatSettings& fs);

}  // namespace tarvik
