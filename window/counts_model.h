#pragma once
// The table window's grid of counts: the texts as typed, so that nothing
// the user wrote is lost to a reading, with the rows' and columns' labels
// in the headers. Read into counts only when the results are computed.
#include <QCoreApplication>
#include <QAbstractTableModel>
#include <QStringList>
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
    bool RemoveRow(int at);
    bool AddColumn(int at);
    bool RemoveColumn(int at);

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

private:
    std::vector<std::vector<QString>> cells_;
    QStringList rowLabels_, columnLabels_;
};

}  // namespace tarvik
