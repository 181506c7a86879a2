#include "gui/article_table_model.h"

#include <limits>

#include "gui/qt_text.h"

namespace hotlist {

ArticleTableModel::ArticleTableModel(CodePageConverter& converter,
                                     std::array<QString, kColumns> headers, QObject* parent)
    : QAbstractTableModel(parent), converter_(converter), headers_(std::move(headers)) {}

int ArticleTableModel::appendRow() {
    const auto row = static_cast<int>(rows_.size());
    if (row == std::numeric_limits<int>::max()) {
        return -1;
    }
    beginInsertRows({}, row, row);
    rows_.emplace_back();
    endInsertRows();
    return row;
}

bool ArticleTableModel::contains(int row, int column) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) && column >= 0 && column < kColumns;
}

bool ArticleTableModel::setCell(int row, int column, const Text& text) {
    if (!contains(row, column)) {
        return false;
    }
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
    return true;
}

Text ArticleTableModel::cell(int row, int column) const {
    if (!contains(row, column)) {
        return {};
    }
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int ArticleTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ArticleTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

// Cells are converted only when shown, so appending stays cheap however long the list is.
QVariant ArticleTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !contains(index.row(), index.column())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return toQString(converter_, cell(index.row(), index.column()));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant ArticleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return headers_[static_cast<std::size_t>(section)];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

}  // namespace hotlist
