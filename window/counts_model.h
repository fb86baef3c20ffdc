#pragma once
// The table window's grid of counts: the texts as typed, so that nothing
// the user wrote is lost to a reading, with the rows' and columns' labels
// in the headers. Read into counts only when the results are computed.
// Every edit, from a cell typed to a table opened, is one step of its undo
// stack.
#include <QCoreApplication>
#include <QAbstractTableModel>
#include <QStringList>
#include <QUndoStack>
#include <memory>
#include <vector>

#include "math/contingency_table.h"

namespace tarvik {

struct CellTexts;

class CountsModel : public QAbstractTableModel {
    Q_DECLARE_TR_FUNCTIONS(CountsModel)

public:
    static constexpr int kMostRowsOrColumns = 100;

    explicit CountsModel(int rows = 2, int columns = 2);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Each refuses to go past 1 or kMostRowsOrColumns (returns false).
    bool AddRow(int at);
    bool AddColumn(int at);
    // `count` rows or columns from `first` on; false where none would be
    // left or the range runs past the table.
    bool RemoveRows(int first, int count = 1);
    bool RemoveColumns(int first, int count = 1);
    bool RemoveRow(int at) { return RemoveRows(at); }
    bool RemoveColumn(int at) { return RemoveColumns(at); }
    // Rows and columns exchanged, labels with them; the rows' or the
    // columns' order reversed (for a 2 x 2 table, the other column as the
    // event, or the other row as the first group). Each one step.
    void Transpose();
    void ReverseRows();
    void ReverseColumns();
    // The cells emptied, as one step.
    void ClearCells(const QModelIndexList& cells);

    // A whole table, as pasted or opened: cells and labels replaced.
    bool SetTable(const CellTexts& table);  // false past kMostRowsOrColumns, the table kept
    // A block pasted from (row, column) on: the grid grows to hold it.
    bool PasteBlock(int row, int column, const std::vector<std::vector<std::string>>& block);
    void SetLabel(Qt::Orientation orientation, int section, const QString& label);

    bool IsEmpty() const;
    // The counts; throws TableInputError naming the first bad cell.
    CountTable Counts() const;
    QString Cell(int row, int column) const { return cells_[std::size_t(row)][std::size_t(column)]; }
    std::vector<std::string> RowLabels() const;
    std::vector<std::string> ColumnLabels() const;
    // The grid as a spreadsheet pastes it: labels, tabs, lines.
    QString AsTabSeparated() const;

    QUndoStack& UndoStack() { return undo_; }

private:
    // The whole table: an undo step keeps the one before and after it,
    // shared with its neighbours' (a QString's text is shared besides).
    struct State {
        std::vector<std::vector<QString>> cells;
        QStringList rowLabels, columnLabels;
    };
    class Step;
    // Runs `change`; where it returns true, one undo step named `what`.
    template <class Change>
    bool Recorded(const QString& what, Change change);
    void Restore(const std::shared_ptr<const State>& state);
    // The table rearranged as a whole: the view is reset, as for a paste.
    void Rearranged(const QString& what, std::vector<std::vector<QString>> cells, QStringList rowLabels,
                    QStringList columnLabels);
    bool InsertRow(int at);
    bool InsertColumn(int at);

    std::vector<std::vector<QString>> cells_;
    // Each cell's text as last read and its count: an edit reads one cell
    // again, not the ten thousand of a 100 x 100 table. Read under the
    // decimal and group marks kept beside it; others read everything anew.
    struct ReadCell {
        QString text;
        Real count = 0;
    };
    mutable std::vector<std::vector<ReadCell>> read_;
    mutable char readDecimal_ = 0, readGroup_ = 0;
    QStringList rowLabels_, columnLabels_;
    std::shared_ptr<const State> shown_;  // the table as it stands, for the next step
    QUndoStack undo_;
};

}  // namespace tarvik
