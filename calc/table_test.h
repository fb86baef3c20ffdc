#pragma once
// The chi-square test of a table of counts, as text in and text out:
// the table read from what a spreadsheet copies or a CSV file holds, every
// fault named by its cell, and the results a statistician reports.
#include <cstdint>
#include <string>
#include <vector>

#include "calc/text_table.h"
#include "core/number_text.h"
#include "math/contingency_table.h"

namespace tarvik {

// A table that cannot be tested: the message names the cell (row and
// column counted among the counts, from 1) or the row or column at fault.
struct TableInputError {
    std::string message;
};

struct CountsInput {
    CountTable counts;
    std::vector<std::string> rowLabels, columnLabels;  // empty where none were given
};

// Reads rows of cells: separated by tabs where any line holds one (a
// spreadsheet's copy), else by semicolons where any line holds one (CSV of
// a comma desktop), else by commas. A first row with a cell that is no
// number (past the first) is the header of labels; a first column with
// such a cell is the row labels. Cells may be quoted. Blank lines end no
// table: they are skipped. Counts are whole numbers from 0.
CountsInput ReadCounts(const std::string& text);

// The most bytes a table's text may have, read from a file, a pipe or a
// paste (a 100 x 100 table is a few tens of kilobytes); more is refused
// while it is read, never taken cut short.
inline constexpr std::int64_t kLargestTableBytes = 64 << 20;
// The most cells a table's text may split into: each is a string, and
// more would take gigabytes.
inline constexpr std::size_t kMostTableCells = 1000000;

// The same split into cells and labels, the counts left as texts.
struct CellTexts {
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> rowLabels, columnLabels;
};
// Numbers in the given settings: a desktop's paste may write "20,0".
CellTexts SplitTable(const std::string& text, const FormatSettings& fs = FormatSettings{});

// Which lines were read as labels ("the first row was read as column
// labels"), or empty where none were: a row of counts once taken for
// labels changed the test unseen.
std::string LabelsNote(const std::vector<std::string>& rowLabels, const std::vector<std::string>& columnLabels);

// One count's text, read: a whole number from 0 to 1e15, or an error
// naming the cell (row and column from 0 here, from 1 in the message).
Real ReadCountCell(const std::string& cell, std::size_t row, std::size_t column,
                   const FormatSettings& fs = FormatSettings{});

// Expected weights of a goodness-of-fit test, one per count of a table's
// one row or column: proportions adding up to 1 (within 1e-9), expected
// counts adding up to the observed total, or ratios (9:3:3:1, or weights
// adding up to neither), which are rescaled and said so in `note`. Read
// with the point as the decimal separator, as the command line reads
// numbers. `reading` says how they were read however they add up (the
// window's expected field says it always).
std::vector<Real> ReadExpectedWeights(const std::vector<std::string>& texts, const CountTable& counts,
                                      std::string* note = nullptr, std::string* reading = nullptr);

// "9:3:3:1" as its four items; any other text as it is.
std::vector<std::string> RatioItems(const std::vector<std::string>& items);

struct TableTestResult {
    bool goodnessOfFit = false;
    Real chiSquare = 0, df = 0, p = 0;
    Real likelihoodRatio = 0, pLikelihoodRatio = 0;
    Real cramersV = 0;
    bool twoByTwo = false;
    Real yatesChiSquare = 0, pYates = 0;  // 2 x 2 only
};

// The test of independence of a table of at least 2 x 2, or the goodness
// of fit of its one row (or column) to the weights (equal when empty).
// Throws TableInputError for a table that cannot be tested. Fisher's exact
// test is run apart (calc/fisher_test.h): it can take seconds.
// `estimated` parameters of the expected counts estimated from the data
// (a Poisson mean, say) take as many degrees of freedom from a goodness of
// fit: df = k - 1 - estimated, refused below 1.
TableTestResult TestTable(const CountTable& counts, const std::vector<Real>& weights, int estimated = 0);

}  // namespace tarvik
