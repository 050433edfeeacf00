#include "qt/report_table_model.h"

#include "qt/gbk_qstring.h"

namespace quvolo::qt {

ReportTableModel::ReportTableModel(const std::vector<ui::ReportColumn>& columns, QObject* parent)
    : QAbstractTableModel(parent) {
    for (const auto& column : columns) {
        titles_.append(to_qstring(column.title));
    }
}

void ReportTableModel::set_rows(std::vector<ui::ReportRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ReportTableModel::set_row_pictures(std::vector<QPixmap> pictures) {
    row_pictures_ = std::move(pictures);
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
    }
}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const ui::ReportRow& cells = rows_[row];
        return column < cells.size() ? to_qstring(cells[column]) : QString();
    }
    if (role == Qt::DecorationRole && column == 0 && row < row_pictures_.size()) {
        return row_pictures_[row];
    }
    return {};
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < titles_.size()) {
        return titles_[section];
    }
    return {};
}

}  // namespace quvolo::qt
