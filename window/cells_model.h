#pragma once
// The table window's grid of cell diagnostics over a report: each row's
// texts are formed when the view asks for them, so that a 100 x 100 table
// (10,000 rows of six numbers) costs no more per edit than the rows shown.
#include <QAbstractTableModel>
#include <optional>
#include <string>
#include <vector>

#include "calc/table_report.h"

namespace tarvik {

class CellsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The report shown (none: an empty grid), its labels and number format.
    void Show(const std::optional<TableReport>& report, std::vector<std::string> rowLabels,
              std::vector<std::string> columnLabels, const NumberFormat& format, const FormatSettings& settings);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Its own copy: the window may drop its report while this one is still
    // shown, and a grid of the same shape then changes in place.
    std::optional<TableReport> report_;
    std::vector<std::string> rowLabels_, columnLabels_, header_;
    NumberFormat format_;
    FormatSettings settings_;
    // The last row formed: a view asks for a row's columns one by one.
    mutable int cachedRow_ = -1;
    mutable std::vector<std::string> cached_;
};

}  // namespace tarvik
