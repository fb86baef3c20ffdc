#pragma once
// The column proportions compared within each row, shown as letters: in a
// row, two columns that share a letter do not differ at the 5 % level.
// Each pair of columns is a two-proportion z-test (pooled, no continuity
// correction: the 2 x 2 table of the row against the rest of the two
// columns, whose Pearson chi-square is z squared), Bonferroni-adjusted for
// the c (c - 1) / 2 pairs of the row. The letters are the compact letter
// display of Piepho (2004), by his insert-and-absorb algorithm.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "math/contingency_table.h"

namespace tarvik {

// Up to ten columns (45 pairs a row), as the rows' pairwise comparisons.
inline constexpr std::size_t kMostLetterColumns = 10;

// Items 0 to n - 1, of which those not `present` take no letter; the pairs
// that differ. Each item's letters, in the order the letters were given
// (the set holding the first item is "a", and so on). At most 52 letters
// (a-z, A-Z): where more sets would be needed, every item's letters are
// empty, since no honest display fits.
std::vector<std::string> CompactLetters(const std::vector<bool>& present,
                                        const std::vector<std::pair<std::size_t, std::size_t>>& differing);

// Each row's letters for its columns; empty where the table has one row or
// column, more than kMostLetterColumns columns, or where a column's total
// is 0 (that column's letters).
std::vector<std::vector<std::string>> ColumnLetters(const CountTable& counts);

}  // namespace tarvik
