// The page's critical values: the desktop window's table (the df from and
// to, the probabilities as typed, the tail) read and computed by the same
// calculator functions, its rows asked for as they come into view (a df
// range may run to 65535 rows), and the whole table as the window copies
// (tab-separated, the browser's numbers) and saves it (CSV, points).
#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/answers.h"
#include "calc/command_line_error.h"
#include "calc/limits.h"
#include "calc/text_table.h"
#include "core/format_settings.h"
#include "core/translation.h"
#include "json_text.h"

namespace tarvik {
namespace {

struct CriticalTable {
    std::int32_t dfFrom = 1, dfTo = 0;
    CriticalKind kind = CriticalKind::Upper;
    std::vector<GivenNumber> probabilities;
};

CriticalTable& TheTable() {
    static CriticalTable table;
    return table;
}

const char* Kept(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

}  // namespace

extern "C" {

// The window's settings: kind 0 upper, 1 lower, 2 two-sided. Answers the
// problem (the message, or null; `sentence` where the page makes it one as
// the window does) and, for good settings, the headings and the count of
// rows; a problem leaves the last good table in place.
EMSCRIPTEN_KEEPALIVE const char* tarvik_critical_set(int dfFrom, int dfTo, int kind, const char* list) {
    const CriticalKind tail = kind == 1 ? CriticalKind::Lower : kind == 2 ? CriticalKind::TwoSided : CriticalKind::Upper;
    const Limits& limits = CommandLineLimits();
    std::vector<GivenNumber> probabilities;
    try {
        probabilities = ReadProbabilityList(list, tail == CriticalKind::Upper ? Field::UpperTail : Field::Cdf,
                                            CurrentFormatSettings());
    } catch (const CommandLineError& bad) {
        return Kept("{\"problem\":" + JsonString(bad.message) + ",\"sentence\":true}");
    } catch (const std::exception&) {
        return Kept("{\"problem\":\"\"}");
    }
    // As the window's spin boxes hold them: within the command line's df.
    dfFrom = std::clamp(dfFrom, limits.lowestDf, limits.highestDf);
    dfTo = std::clamp(dfTo, limits.lowestDf, limits.highestDf);
    if (dfTo < dfFrom)
        return Kept("{\"problem\":" +
                    JsonString(Tr("CriticalValuesWindow", "The degrees of freedom run backwards: 'from' is above 'to'.")) +
                    ",\"sentence\":false}");
    TheTable() = {dfFrom, dfTo, tail, std::move(probabilities)};
    const CriticalTable& t = TheTable();
    const auto header = CriticalValuesHeadings(t.kind, t.probabilities, CurrentFormatSettings().DecimalSeparator,
                                               CurrentFormatSettings());
    return Kept("{\"problem\":null,\"header\":" + JsonList(header) + ",\"rows\":" + std::to_string(dfTo - dfFrom + 1) + "}");
}

// Rows first .. first + count - 1 of the table (0 is the df from), the df
// first in each.
EMSCRIPTEN_KEEPALIVE const char* tarvik_critical_rows(int first, int count) {
    const CriticalTable& t = TheTable();
    std::string out = "[";
    try {
        for (std::int32_t df = t.dfFrom + first; df <= t.dfTo && df < t.dfFrom + first + count; ++df) {
            out += (out.size() > 1 ? "," : "") +
                   JsonList(CriticalValuesRow(df, t.kind, t.probabilities, NumberFormat{}, CurrentFormatSettings()));
        }
    } catch (const std::exception&) {
        // A row that cannot be computed ends the rows given; the page asks again.
    }
    return Kept(out + "]");
}

// The whole table as the window copies it (tab-separated, the browser's
// numbers) or, with `csv`, as it saves it (commas, the point).
EMSCRIPTEN_KEEPALIVE const char* tarvik_critical_text(int csv) {
    const CriticalTable& t = TheTable();
    const FormatSettings fs = csv ? FormatSettings{} : CurrentFormatSettings();
    std::vector<std::int32_t> dfs;
    for (std::int32_t df = t.dfFrom; df <= t.dfTo; ++df) dfs.push_back(df);
    try {
        TextTable table = CriticalValuesTable(dfs, t.kind, t.probabilities, NumberFormat{}, fs);
        table.header = CriticalValuesHeadings(t.kind, t.probabilities, CurrentFormatSettings().DecimalSeparator, fs);
        return Kept(RenderTable(table, csv ? TableForm::Csv : TableForm::Tsv));
    } catch (const std::exception&) {
        return Kept("");
    }
}

}  // extern "C"
}  // namespace tarvik
