#include "window/critical_values_model.h"

namespace tarvik {

namespace {
std::string Heading(const QString& pattern, const std::string& probability) {
    return pattern.arg(QString::fromStdString(probability)).toStdString();
}
}  // namespace

// Each column headed by its probability as it was typed ("0.10", not the
// shortest "0.1"), with the tail it cuts: "upper 0.10", "lower 0.10", and
// "two-sided 0.05: lower" and ": upper" for the pair. The typed decimal
// separator is the desktop's; a CSV file's is the point.
std::vector<std::string> CriticalValuesModel::Header(const FormatSettings& fs) const {
    std::vector<std::string> header{"df"};
    const char typed = CurrentFormatSettings().DecimalSeparator;
    for (const GivenNumber& p : settings_.probabilities) {
        std::string text = p.text;
        for (char& c : text)
            if (c == typed) c = fs.DecimalSeparator;
        switch (settings_.kind) {
            case CriticalKind::Upper: header.push_back(Heading(tr("upper %1"), text)); break;
            case CriticalKind::Lower: header.push_back(Heading(tr("lower %1"), text)); break;
            case CriticalKind::TwoSided:
                header.push_back(Heading(tr("two-sided %1: lower"), text));
                header.push_back(Heading(tr("two-sided %1: upper"), text));
                break;
        }
    }
    return header;
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
