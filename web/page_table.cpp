// The page's table test as the desktop's table window shows it: the counts
// read, the report's lines (with the rows compared in pairs) and every
// cell's expected count and residuals, in the browser's numbers. The exact
// test follows apart (tarvik_table), in the Worker that runs this too.
#include <emscripten/emscripten.h>

#include <string>
#include <vector>

#include "calc/pairwise.h"
#include "calc/table_report.h"
#include "calc/table_test.h"
#include "core/errors.h"
#include "core/format_settings.h"
#include "json_text.h"

namespace tarvik {

extern "C" {

// The results of the counts as JSON: the problem (the table's reader's
// message, which the page makes a sentence as the window does) or null,
// the lines, the cells' grid, and whether one row of counts was fitted
// (its exact test is the multinomial one).
EMSCRIPTEN_KEEPALIVE const char* tarvik_table_lines(const char* text) {
    static std::string out;
    try {
        const CountsInput in = ReadCounts(text);
        const TableReport report = ReportOf(in.counts, {});
        const FormatSettings& fs = CurrentFormatSettings();
        const TextTable cells = CellsTable(report, in.rowLabels, in.columnLabels, NumberFormat{}, fs);
        std::string rows = "[";
        for (std::size_t i = 0; i < cells.rows.size(); ++i) rows += (i ? "," : "") + JsonList(cells.rows[i]);
        out = "{\"problem\":null,\"lines\":" +
              JsonList(TableWindowLines(report, in.counts, in.rowLabels, in.columnLabels, NumberFormat{}, fs)) +
              ",\"header\":" + JsonList(cells.header) + ",\"rows\":" + rows + "]" +
              ",\"fit\":" + (report.test.goodnessOfFit ? "true" : "false") + "}";
    } catch (const TableInputError& bad) {
        out = "{\"problem\":" + JsonString(bad.message) + "}";
    } catch (const Exception& e) {
        out = "{\"problem\":" + JsonString(e.Message()) + "}";
    } catch (const std::exception&) {
        out = "{\"problem\":" + JsonString(EInvalidOp().Message()) + "}";
    }
    return out.c_str();
}

}  // extern "C"
}  // namespace tarvik
