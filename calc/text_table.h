#pragma once
// Results as text in the four forms the command line writes and the
// critical-values window copies and saves:
//   text      results as "key=value" lines (the line of Copy results), a
//             table aligned for a terminal under its title;
//   csv       a header row, then one row per result (RFC 4180 quoting);
//   tsv       the same with tabs, what a spreadsheet pastes as cells;
//   markdown  a pipe table, numbers right-aligned.
#include <string>
#include <vector>

namespace tarvik {

enum class TableForm { Text, Csv, Tsv, Markdown };
const char* TableFormName(TableForm form);
bool TableFormOfName(const std::string& name, TableForm& form);

struct TextTable {
    // Records print as key=value lines in the text form; a grid prints as
    // aligned columns.
    enum class Kind { Records, Grid };
    Kind kind = Kind::Records;
    std::string title;  // the grid's heading in the text form
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

std::string RenderTable(const TextTable& table, TableForm form);

// A long answer of records written in parts: the header (nothing in the
// text form), then each part's rows in turn, which joined read as
// RenderTable of the whole. Not for a grid, whose columns align on all rows.
std::string RenderHeader(const TextTable& table, TableForm form);
std::string RenderRows(const TextTable& table, TableForm form);

}  // namespace tarvik
