#include "calc/results_text.h"

#include "calc/text_table.h"
#include "core/decimal_digits.h"

namespace tarvik {

const std::vector<std::string>& ResultsHeader() {
    static const std::vector<std::string> header{"df", "x", "P(X<=x)", "P(X>x)", "f(x)"};
    return header;
}

std::vector<std::string> ResultsCells(const Results& r, const NumberFormatter& number) {
    // The density of df 1 at x = 0 has no finite value: "inf", as R and
    // SciPy print it.
    return {FixedDigits(r.df, 0), number(r.value), number(r.cdf), number(r.upper),
            r.densityUnbounded ? "inf" : number(r.density)};
}

std::vector<std::string> ResultsCells(const Results& r, const NumberFormat& format, const FormatSettings& fs) {
    return ResultsCells(r, [&](Real v) { return FormatNumber(v, format, fs); });
}

std::string ResultsLine(const Results& r, const NumberFormatter& number) {
    std::string line = RenderTable({TextTable::Kind::Records, "", ResultsHeader(), {ResultsCells(r, number)}}, TableForm::Text);
    line.pop_back();  // the record's line break
    return line;
}

std::string ResultsLine(const Results& r, const NumberFormat& format) {
    return ResultsLine(r, [&](Real v) { return FormatNumber(v, format, FormatSettings{}); });
}

std::string ResultsClipboardText(const Results& r, const NumberFormat& format) {
    return ResultsLine(r, format) + "\n" +
           ResultsLine(r, [](Real v) { return FormatFullPrecision(v, FormatSettings{}); }) + "\n";
}

}  // namespace tarvik
