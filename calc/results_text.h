#pragma once
// The results as one line of text, for the clipboard and the command line:
//   df=12  x=23.5  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362
// Always with the decimal point, whatever the desktop's locale: the line is
// meant to be pasted into scripts, notes and spreadsheets' text cells.
#include <functional>
#include <string>

#include "calc/calculator.h"

namespace tarvik {

using NumberFormatter = std::function<std::string(Real)>;

// The line with each number written by `number`.
std::string ResultsLine(const Results& r, const NumberFormatter& number);

// Six decimals as the fields show them, without trailing zeros ("23.5").
std::string ShortFixed(Real v);

// What "Copy results" puts on the clipboard: the line with the shown six
// decimals, then the same line at the full Real precision.
std::string ResultsClipboardText(const Results& r);

}  // namespace tarvik
