#include "window/cells_model.h"

namespace tarvik {

void CellsModel::Show(const std::optional<TableReport>& report, std::vector<std::string> rowLabels,
                      std::vector<std::string> columnLabels, const NumberFormat& format, const FormatSettings& settings) {
    beginResetModel();
    report_ = report ? &*report : nullptr;
    rowLabels_ = std::move(rowLabels);
    columnLabels_ = std::move(columnLabels);
    header_ = report ? CellsHeader(*report) : std::vector<std::string>{};
    format_ = format;
    settings_ = settings;
    cachedRow_ = -1;
    endResetModel();
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
