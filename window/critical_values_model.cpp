#include "window/critical_values_model.h"

namespace tarvik {

// The typed decimal separator is the desktop's; a CSV file's is the point.
std::vector<std::string> CriticalValuesModel::Header(const FormatSettings& fs) const {
    return CriticalValuesHeadings(settings_.kind, settings_.probabilities, CurrentFormatSettings().DecimalSeparator, fs);
}

void CriticalValuesModel::SetSettings(const CriticalTableSettings& settings) {
    beginResetModel();
    settings_ = settings;
    header_ = Header(CurrentFormatSettings());
    rows_.assign(std::size_t(std::max(0, settings.dfTo - settings.dfFrom + 1)), std::nullopt);
    endResetModel();
}

int CriticalValuesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

// The df is the vertical header; the columns are the critical values.
int CriticalValuesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || header_.empty() ? 0 : int(header_.size()) - 1;
}

const std::vector<std::string>& CriticalValuesModel::Row(int row) const {
    auto& cached = rows_[std::size_t(row)];
    if (!cached)
        cached = CriticalValuesRow(settings_.dfFrom + row, settings_.kind, settings_.probabilities, settings_.format,
                                   CurrentFormatSettings());
    return *cached;
}

QVariant CriticalValuesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    return QString::fromStdString(Row(index.row())[std::size_t(index.column()) + 1]);
}

QVariant CriticalValuesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) return QString::number(settings_.dfFrom + section);
    if (section + 1 < int(header_.size())) return QString::fromStdString(header_[std::size_t(section) + 1]);
    return {};
}

TextTable CriticalValuesModel::Table(const FormatSettings& fs) const {
    std::vector<std::int32_t> dfs;
    for (std::int32_t df = settings_.dfFrom; df <= settings_.dfTo; ++df) dfs.push_back(df);
    TextTable table = CriticalValuesTable(dfs, settings_.kind, settings_.probabilities, settings_.format, fs);
    table.header = Header(fs);
    return table;
}

}  // namespace tarvik
