#include "window/counts_model.h"

#include <QUndoCommand>
#include <algorithm>

#include "calc/table_test.h"
#include "core/format_settings.h"

namespace tarvik {

namespace {
// Steps kept: a 100 x 100 table's state is about 240 kB of pointers.
constexpr int kMostUndoSteps = 100;
}  // namespace

// The table before and after one edit. Pushing it runs redo() once: the
// edit has happened by then, so that first run does nothing.
class CountsModel::Step : public QUndoCommand {
public:
    Step(CountsModel& model, std::shared_ptr<const State> before, std::shared_ptr<const State> after, const QString& what)
        : QUndoCommand(what), model_(model), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { model_.Restore(before_); }
    void redo() override {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        model_.Restore(after_);
    }

private:
    CountsModel& model_;
    std::shared_ptr<const State> before_, after_;
    bool pushed_ = false;
};

CountsModel::CountsModel(int rows, int columns)
    : cells_(std::size_t(rows), std::vector<QString>(std::size_t(columns))) {
    for (int i = 0; i < rows; ++i) rowLabels_ << QString();
    for (int j = 0; j < columns; ++j) columnLabels_ << QString();
    shown_ = std::make_shared<const State>(State{cells_, rowLabels_, columnLabels_});
    undo_.setUndoLimit(kMostUndoSteps);
}

template <class Change>
bool CountsModel::Recorded(const QString& what, Change change) {
    if (!change()) return false;
    auto after = std::make_shared<const State>(State{cells_, rowLabels_, columnLabels_});
    undo_.push(new Step(*this, shown_, after, what));
    shown_ = std::move(after);
    return true;
}

// The same shape keeps the view's current cell and selection: the cells
// and labels change in place. Another shape resets the view.
void CountsModel::Restore(const std::shared_ptr<const State>& state) {
    const bool sameShape = state->cells.size() == cells_.size() && state->cells.front().size() == cells_.front().size();
    if (!sameShape) beginResetModel();
    cells_ = state->cells;
    rowLabels_ = state->rowLabels;
    columnLabels_ = state->columnLabels;
    shown_ = state;
    if (!sameShape) {
        endResetModel();
        return;
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int CountsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(cells_.size()); }

int CountsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || cells_.empty() ? 0 : int(cells_.front().size());
}

QVariant CountsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const QString& text = cells_[std::size_t(index.row())][std::size_t(index.column())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return text;
        case Qt::TextAlignmentRole: return int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::AccessibleTextRole:
            return QString("%1, %2: %3")
                .arg(headerData(index.row(), Qt::Vertical, Qt::DisplayRole).toString(),
                     headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString(),
                     text.isEmpty() ? tr("empty") : text);
        default: return {};
    }
}

bool CountsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    QString& text = cells_[std::size_t(index.row())][std::size_t(index.column())];
    const QString trimmed = value.toString().trimmed();
    Recorded(tr("edit a cell"), [&] {
        if (text == trimmed) return false;
        text = trimmed;
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    });
    return true;
}

void CountsModel::ClearCells(const QModelIndexList& indexes) {
    Recorded(tr("clear cells"), [&] {
        bool changed = false;
        for (const QModelIndex& at : indexes) {
            if (!at.isValid()) continue;
            QString& text = cells_[std::size_t(at.row())][std::size_t(at.column())];
            if (text.isEmpty()) continue;
            text.clear();
            changed = true;
            emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
        }
        return changed;
    });
}

Qt::ItemFlags CountsModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant CountsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList& labels = orientation == Qt::Horizontal ? columnLabels_ : rowLabels_;
    if (section < 0 || section >= labels.size()) return {};
    if (!labels[section].isEmpty()) return labels[section];
    return (orientation == Qt::Horizontal ? tr("Column %1") : tr("Row %1")).arg(section + 1);
}

bool CountsModel::InsertRow(int at) {
    if (rowCount() >= kMostRowsOrColumns) return false;
    at = std::clamp(at, 0, rowCount());
    beginInsertRows({}, at, at);
    cells_.insert(cells_.begin() + at, std::vector<QString>(std::size_t(columnCount())));
    rowLabels_.insert(at, QString());
    endInsertRows();
    return true;
}

bool CountsModel::InsertColumn(int at) {
    if (columnCount() >= kMostRowsOrColumns) return false;
    at = std::clamp(at, 0, columnCount());
    beginInsertColumns({}, at, at);
    for (auto& row : cells_) row.insert(row.begin() + at, QString());
    columnLabels_.insert(at, QString());
    endInsertColumns();
    return true;
}

bool CountsModel::AddRow(int at) {
    return Recorded(tr("add a row"), [&] { return InsertRow(at); });
}

bool CountsModel::AddColumn(int at) {
    return Recorded(tr("add a column"), [&] { return InsertColumn(at); });
}

bool CountsModel::RemoveRows(int first, int count) {
    return Recorded(tr("remove rows"), [&] {
        if (count < 1 || count >= rowCount() || first < 0 || first + count > rowCount()) return false;
        beginRemoveRows({}, first, first + count - 1);
        cells_.erase(cells_.begin() + first, cells_.begin() + first + count);
        for (int k = 0; k < count; ++k) rowLabels_.removeAt(first);
        endRemoveRows();
        return true;
    });
}

bool CountsModel::RemoveColumns(int first, int count) {
    return Recorded(tr("remove columns"), [&] {
        if (count < 1 || count >= columnCount() || first < 0 || first + count > columnCount()) return false;
        beginRemoveColumns({}, first, first + count - 1);
        for (auto& row : cells_) row.erase(row.begin() + first, row.begin() + first + count);
        for (int k = 0; k < count; ++k) columnLabels_.removeAt(first);
        endRemoveColumns();
        return true;
    });
}

void CountsModel::Rearranged(const QString& what, std::vector<std::vector<QString>> cells, QStringList rowLabels,
                             QStringList columnLabels) {
    Recorded(what, [&] {
        beginResetModel();
        cells_ = std::move(cells);
        rowLabels_ = std::move(rowLabels);
        columnLabels_ = std::move(columnLabels);
        endResetModel();
        return true;
    });
}

void CountsModel::Transpose() {
    std::vector<std::vector<QString>> turned(cells_.front().size(), std::vector<QString>(cells_.size()));
    for (std::size_t i = 0; i < cells_.size(); ++i)
        for (std::size_t j = 0; j < cells_[i].size(); ++j) turned[j][i] = cells_[i][j];
    Rearranged(tr("swap rows and columns"), std::move(turned), columnLabels_, rowLabels_);
}

void CountsModel::ReverseRows() {
    QStringList labels = rowLabels_;
    std::reverse(labels.begin(), labels.end());
    Rearranged(tr("reverse the rows"), {cells_.rbegin(), cells_.rend()}, labels, columnLabels_);
}

void CountsModel::ReverseColumns() {
    std::vector<std::vector<QString>> cells = cells_;
    for (auto& row : cells) std::reverse(row.begin(), row.end());
    QStringList labels = columnLabels_;
    std::reverse(labels.begin(), labels.end());
    Rearranged(tr("reverse the columns"), std::move(cells), rowLabels_, labels);
}

bool CountsModel::SetTable(const CellTexts& table) {
    if (table.cells.size() > std::size_t(kMostRowsOrColumns) || table.cells.front().size() > std::size_t(kMostRowsOrColumns))
        return false;
    return Recorded(tr("replace the table"), [&] {
        beginResetModel();
        cells_.clear();
        for (const auto& row : table.cells) {
            std::vector<QString> texts;
            for (const std::string& cell : row) texts.push_back(QString::fromStdString(cell));
            cells_.push_back(texts);
        }
        rowLabels_.clear();
        columnLabels_.clear();
        for (std::size_t i = 0; i < table.cells.size(); ++i)
            rowLabels_ << (i < table.rowLabels.size() ? QString::fromStdString(table.rowLabels[i]) : QString());
        for (std::size_t j = 0; j < table.cells.front().size(); ++j)
            columnLabels_ << (j < table.columnLabels.size() ? QString::fromStdString(table.columnLabels[j]) : QString());
        endResetModel();
        return true;
    });
}

bool CountsModel::PasteBlock(int row, int column, const std::vector<std::vector<std::string>>& block) {
    std::size_t width = 0;
    for (const auto& line : block) width = std::max(width, line.size());
    if (row + int(block.size()) > kMostRowsOrColumns || column + int(width) > kMostRowsOrColumns) return false;
    return Recorded(tr("paste"), [&] {
        while (rowCount() < row + int(block.size())) InsertRow(rowCount());
        while (columnCount() < column + int(width)) InsertColumn(columnCount());
        for (std::size_t i = 0; i < block.size(); ++i)
            for (std::size_t j = 0; j < block[i].size(); ++j)
                cells_[std::size_t(row) + i][std::size_t(column) + j] = QString::fromStdString(block[i][j]);
        emit dataChanged(index(row, column), index(row + int(block.size()) - 1, column + int(width) - 1));
        return true;
    });
}

void CountsModel::SetLabel(Qt::Orientation orientation, int section, const QString& label) {
    QStringList& labels = orientation == Qt::Horizontal ? columnLabels_ : rowLabels_;
    if (section < 0 || section >= labels.size()) return;
    Recorded(tr("rename"), [&] {
        if (labels[section] == label.trimmed()) return false;
        labels[section] = label.trimmed();
        emit headerDataChanged(orientation, section, section);
        return true;
    });
}

bool CountsModel::IsEmpty() const {
    for (const auto& row : cells_)
        for (const QString& cell : row)
            if (!cell.isEmpty()) return false;
    return true;
}

CountTable CountsModel::Counts() const {
    const FormatSettings& fs = CurrentFormatSettings();
    if (fs.DecimalSeparator != readDecimal_ || fs.ThousandSeparator != readGroup_) {
        read_.clear();
        readDecimal_ = fs.DecimalSeparator;
        readGroup_ = fs.ThousandSeparator;
    }
    read_.resize(cells_.size());
    CountTable counts(cells_.size());
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        read_[i].resize(cells_[i].size());
        counts[i].reserve(cells_[i].size());
        for (std::size_t j = 0; j < cells_[i].size(); ++j) {
            ReadCell& cell = read_[i][j];
            // A cell read before under another text (or never: an empty
            // text is read too, as 0 or as the missing count it is).
            if (cell.text.isNull() || cell.text != cells_[i][j]) {
                cell.count = ReadCountCell(cells_[i][j].toStdString(), i, j, fs);
                cell.text = cells_[i][j].isNull() ? QString("") : cells_[i][j];
            }
            counts[i].push_back(cell.count);
        }
    }
    return counts;
}

std::vector<std::string> CountsModel::RowLabels() const {
    std::vector<std::string> labels;
    for (int i = 0; i < rowCount(); ++i) labels.push_back(headerData(i, Qt::Vertical, Qt::DisplayRole).toString().toStdString());
    return labels;
}

std::vector<std::string> CountsModel::ColumnLabels() const {
    std::vector<std::string> labels;
    for (int j = 0; j < columnCount(); ++j)
        labels.push_back(headerData(j, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
    return labels;
}

QString CountsModel::AsTabSeparated() const {
    QString text;
    for (int j = 0; j < columnCount(); ++j) text += "\t" + headerData(j, Qt::Horizontal, Qt::DisplayRole).toString();
    text += "\n";
    for (int i = 0; i < rowCount(); ++i) {
        text += headerData(i, Qt::Vertical, Qt::DisplayRole).toString();
        for (int j = 0; j < columnCount(); ++j) text += "\t" + Cell(i, j);
        text += "\n";
    }
    return text;
}

}  // namespace tarvik
