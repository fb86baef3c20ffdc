// What the table window makes of its results: the CSV file, which holds
// what the command line's --counts writes with --format csv for the same
// table (the results' record over the cells, so that a saved file and a
// script's output read alike), and the mosaic in its own window.
#include <QPushButton>

#include "platform/screen_fit.h"
#include "window/mosaic_window.h"

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
        CellsTable(*report_, shownRows_, shownColumns_, format_, FormatSettings{}), TableForm::Csv);
    const QByteArray csv = QByteArray::fromStdString(record + "\n" + cells);
    WriteFileWhole(path, tr("the results"), ReadOnlyTarget::Refuse, [&](QIODevice& device) { return WriteAll(device, csv); });
}

void TableWindow::SaveAs() {
    if (!saveButton->isEnabled()) return;
    if (const QString path = AskCsvFile(this, tr("Save results and cells as"), "table-results.csv"); !path.isEmpty())
        SaveTo(path);
}

void TableWindow::ShowMosaic() {
    const bool first = !mosaicWindow->isVisible();
    mosaicWindow->show();
    UpdateMosaic();
    if (first) ShowBesideWindow(*mosaicWindow, *this, mosaicWindow->width(), mosaicWindow->minimumSizeHint().width());
    mosaicWindow->raise();
    mosaicWindow->activateWindow();
}

// Drawn only while it shows: a hidden mosaic costs an edit nothing.
void TableWindow::UpdateMosaic() {
    if (mosaicWindow->isVisible())
        mosaicWindow->Show(report_ ? &*report_ : nullptr, shownRows_, shownColumns_);
}

}  // namespace tarvik
