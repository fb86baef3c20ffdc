#include "window/cells_model.h"

namespace tarvik {

void CellsModel::Show(const std::optional<TableReport>& report, std::vector<std::string> rowLabels,
                      std::vector<std::string> columnLabels, const NumberFormat& format, const FormatSettings& settings) {
    std::vector<std::string> header = report ? CellsHeader(*report) : std::vector<std::string>{};
    // The same grid with new numbers (an edited count) changes in place:
    // a reset would make the view measure every column again at once, a
    // third of a 100 x 100 table's edit.
    const bool sameShape = report_ && report && header == header_ && report->rows * report->columns ==
                                                                           report_->rows * report_->columns;
    if (!sameShape) beginResetModel();
    report_ = report;
    rowLabels_ = std::move(rowLabels);
    columnLabels_ = std::move(columnLabels);
    header_ = std::move(header);
    format_ = format;
    settings_ = settings;
    cachedRow_ = -1;
    if (!sameShape) {
        endResetModel();
        return;
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int CellsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !report_ ? 0 : int(report_->rows * report_->columns);
}

int CellsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !report_ ? 0 : int(header_.size());
}

QVariant CellsModel::data(const QModelIndex& index, int role) const {
    if (!report_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    if (index.row() != cachedRow_) {
        cached_ = CellsRow(*report_, std::size_t(index.row()), rowLabels_, columnLabels_, format_, settings_);
        cachedRow_ = index.row();
    }
    return QString::fromStdString(cached_[std::size_t(index.column())]);
}

QVariant CellsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= int(header_.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(header_[std::size_t(section)]);
}

}  // namespace tarvik
