// The table window's Save as CSV: what the command line's --counts writes
// with --format csv for the same table, the results' record over the
// cells, so that a saved file and a script's output read alike.
#include <QPushButton>

#include "calc/table_report.h"
#include "files/safe_file.h"
#include "window/chart_file_dialog.h"
#include "window/table_window.h"

namespace tarvik {

void TableWindow::SaveTo(const QString& path) {
    if (!report_) return;
    // CSV separates with commas: its numbers keep the point. Fisher's test
    // goes in once it has ended; while it counts, the record is without it.
    const FisherOutcome* fisher = exactOutcome_ ? &*exactOutcome_ : nullptr;
    const std::string record = RenderTable(TableRecord(*report_, fisher, format_), TableForm::Csv);
    const std::string cells = RenderTable(
        CellsTable(*report_, model_.RowLabels(), model_.ColumnLabels(), format_, FormatSettings{}), TableForm::Csv);
    const QByteArray csv = QByteArray::fromStdString(record + "\n" + cells);
    WriteFileWhole(path, tr("the results"), ReadOnlyTarget::Refuse, [&](QIODevice& device) { return WriteAll(device, csv); });
}

void TableWindow::SaveAs() {
    if (!saveButton->isEnabled()) return;
    if (const QString path = AskCsvFile(this, tr("Save results and cells as"), "table-results.csv"); !path.isEmpty())
        SaveTo(path);
}

}  // namespace tarvik
