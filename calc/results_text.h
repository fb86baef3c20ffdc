#pragma once
// The results as one line of text, for the clipboard and the command line:
//   df=12  x=23.500000  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362
// Always with the decimal point, whatever the desktop's locale: the line is
// meant to be pasted into scripts, notes and spreadsheets' text cells.
#include <functional>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "core/number_text.h"

namespace tarvik {

using NumberFormatter = std::function<std::string(Real)>;

// The names of the results' columns, and one result's cells.
const std::vector<std::string>& ResultsHeader();
std::vector<std::string> ResultsCells(const Results& r, const NumberFormatter& number);
std::vector<std::string> ResultsCells(const Results& r, const NumberFormat& format, const FormatSettings& fs);

// The line with each number written by `number`, or in `format`.
std::string ResultsLine(const Results& r, const NumberFormatter& number);
std::string ResultsLine(const Results& r, const NumberFormat& format);

// What "Copy results" puts on the clipboard: the line as the command line
// prints it in `format`, then the same line at the full Real precision.
std::string ResultsClipboardText(const Results& r, const NumberFormat& format = NumberFormat{});

}  // namespace tarvik
