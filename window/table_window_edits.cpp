// The table window's grid as the user fills it: blocks pasted, files
// opened (neither ever taken in part or without a word), rows and columns
// removed.
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QThread>
#include <memory>
#include <climits>

#include "calc/table_test.h"
#include "core/format_settings.h"
#include "platform/application.h"
#include "window/chart_file_dialog.h"
#include "window/table_window.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {

// Which lines were read as labels, as a sentence, or empty.
QString LabelsNote(const CellTexts& block) {
    const std::string note = tarvik::LabelsNote(block.rowLabels, block.columnLabels);
    return note.empty() ? QString() : AsSentence(note);
}

}  // namespace

// A block with labels, or any block where no cell is chosen or the grid is
// empty, is the whole table; a plain block pasted at a chosen cell fills
// the cells from there on, as in a spreadsheet, growing the grid, and says
// so. A block of rows of unequal length is refused, the grid as it was.
void TableWindow::Paste(const QString& text) {
    CellTexts block;
    try {
        block = SplitTable(text.toStdString(), CurrentFormatSettings());
    } catch (const TableInputError& bad) {
        ShowProblem(tr("The pasted block was not taken: %1").arg(AsSentence(bad.message)));
        return;
    }
    const QModelIndex at = countsView->currentIndex();
    const bool labelled = !block.rowLabels.empty() || !block.columnLabels.empty();
    const bool whole = labelled || !at.isValid() || model_.IsEmpty();
    const int rows = int(block.cells.size()), columns = int(block.cells.front().size());
    if (whole ? !model_.SetTable(block) : !model_.PasteBlock(at.row(), at.column(), block.cells)) {
        ShowProblem(tr("The pasted block was not taken: a table has at most %1 rows and columns.")
                        .arg(CountsModel::kMostRowsOrColumns));
        return;
    }
    if (whole) {
        editNoteLabel->setText(tr("Pasted as the whole table, %1 \u00d7 %2; Ctrl+Z takes it back.").arg(rows).arg(columns));
    } else {
        editNoteLabel->setText(tr("Pasted %1 \u00d7 %2 cells from row %3, column %4 on; Ctrl+Z takes them back.")
                                   .arg(rows)
                                   .arg(columns)
                                   .arg(at.row() + 1)
                                   .arg(at.column() + 1));
    }
    if (labelled) editNoteLabel->setText(editNoteLabel->text() + " " + LabelsNote(block));
}

// Remove acts on the rows or columns of the chosen cells, or else on the
// last; nothing stays chosen after it, so that a second Remove takes the
// last one the user sees, not one the view moved its current cell to.
void TableWindow::RemoveSelected(Qt::Orientation orientation) {
    const bool rows = orientation == Qt::Vertical;
    int first = rows ? model_.rowCount() - 1 : model_.columnCount() - 1, last = first;
    const QModelIndexList chosen = countsView->selectionModel()->selectedIndexes();
    if (!chosen.isEmpty()) {
        first = INT_MAX;
        last = -1;
        for (const QModelIndex& at : chosen) {
            first = std::min(first, rows ? at.row() : at.column());
            last = std::max(last, rows ? at.row() : at.column());
        }
    }
    const bool removed = rows ? model_.RemoveRows(first, last - first + 1) : model_.RemoveColumns(first, last - first + 1);
    countsView->selectionModel()->clear();
    if (!removed) editNoteLabel->setText(tr("A table keeps at least one row and one column."));
}

namespace {

// What an Open came to: the split table, or why it was not taken.
struct OpenedFile {
    CellTexts table;
    QString problem;
};

// Reads and splits a file on the opening thread. Both are bounded (64 MiB,
// a million cells), but a slow disk or a network folder can still take
// seconds: none of it may hold up the window.
OpenedFile ReadTableFile(const QString& path, const FormatSettings& settings) {
    OpenedFile opened;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        opened.problem = TableWindow::tr("%1 cannot be read: %2.").arg(path, file.errorString());
        return opened;
    }
    constexpr qint64 kLargestFile = kLargestTableBytes;
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        opened.problem = TableWindow::tr("%1 was not opened: it is larger than 64 MiB.").arg(path);
        return opened;
    }
    try {
        opened.table = SplitTable(bytes.toStdString(), settings);
    } catch (const TableInputError& bad) {
        opened.problem = TableWindow::tr("%1 was not opened: %2").arg(path, AsSentence(bad.message));
    } catch (const std::exception& failure) {
        opened.problem = TableWindow::tr("%1 cannot be read: %2.").arg(path, QString::fromStdString(failure.what()));
    }
    return opened;
}

}  // namespace

// The file is read and split off the window's thread; the table it gives
// is taken here, when it comes, as one undoable step. A second Open while
// one is reading supersedes it.
void TableWindow::Open(const QString& path) {
    // A FIFO with no writer would block the open, and the reader with it,
    // for good; a device would never end.
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile()) {
        ShowProblem(tr("%1 was not opened: it is not a regular file.").arg(path));
        return;
    }
    FinishOpening();
    const int generation = ++openGeneration_;
    const FormatSettings settings = CurrentFormatSettings();
    editNoteLabel->setText(tr("Opening %1\u2026").arg(path));
    opener_ = QThread::create([this, path, settings, generation] {
        auto opened = std::make_shared<OpenedFile>(ReadTableFile(path, settings));
        QMetaObject::invokeMethod(
            this, [this, path, opened, generation] { Guarded([&] { TakeOpened(generation, path, opened->table, opened->problem); }); },
            Qt::QueuedConnection);
    });
    opener_->start();
}

void TableWindow::TakeOpened(int generation, const QString& path, const CellTexts& table, const QString& problem) {
    if (generation != openGeneration_) return;
    FinishOpening();
    editNoteLabel->clear();
    if (!problem.isEmpty())
        ShowProblem(problem);
    else if (!model_.SetTable(table))
        ShowProblem(
            tr("%1 was not opened: a table has at most %2 rows and columns.").arg(path).arg(CountsModel::kMostRowsOrColumns));
    else
        editNoteLabel->setText(LabelsNote(table));
}

bool TableWindow::Opening() const { return opener_ != nullptr; }

void TableWindow::FinishOpening() {
    if (!opener_) return;
    opener_->wait();
    delete opener_;
    opener_ = nullptr;
}

void TableWindow::OpenFile() {
    QFileDialog dialog(this, tr("Open a table of counts"));
    dialog.setNameFilters({tr("Tables (*.csv *.tsv *.txt)"), tr("All files (*)")});
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (const QString folder = LastSaveFolder(); !folder.isEmpty()) dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    Open(dialog.selectedFiles().front());
}

}  // namespace tarvik
