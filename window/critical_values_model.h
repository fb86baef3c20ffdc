#pragma once
// The critical-values table for a view: one row per df, one column per
// probability (two for two-sided). Rows are computed when the view first
// asks for them and kept, so a range of 65,535 dfs opens at once.
#include <QCoreApplication>
#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "calc/answers.h"

namespace tarvik {

struct CriticalTableSettings {
    std::int32_t dfFrom = 1, dfTo = 30;
    CriticalKind kind = CriticalKind::Upper;
    std::vector<GivenNumber> probabilities;
    NumberFormat format;
};

class CriticalValuesModel : public QAbstractTableModel {
    Q_DECLARE_TR_FUNCTIONS(CriticalValuesModel)

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetSettings(const CriticalTableSettings& settings);
    const CriticalTableSettings& Settings() const { return settings_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The whole table, every row computed, in the desktop's number format
    // (for the clipboard) or with the point (for a CSV file).
    TextTable Table(const FormatSettings& fs) const;

private:
    const std::vector<std::string>& Row(int row) const;
    std::vector<std::string> Header(const FormatSettings& fs) const;

    CriticalTableSettings settings_;
    std::vector<std::string> header_;
    mutable std::vector<std::optional<std::vector<std::string>>> rows_;
};

}  // namespace tarvik
