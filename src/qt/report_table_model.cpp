#include "qt/report_table_model.h"

#include <QColor>

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

QString ReportTableModel::plain_tooltip(const QString& text) {
    return text.isEmpty()
               ? text
               : QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(text.toHtmlEscaped());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const std::vector<std::string>& cells = rows_[row].cells;
        const QString text = column < cells.size() ? to_qstring(cells[column]) : QString();
        // A tooltip guesses at markup; cells come from the network, so they are escaped into
        // a paragraph of our own and always read as the plain text they are.
        return role == Qt::DisplayRole ? text : plain_tooltip(text);
    }
    if (role == Qt::ForegroundRole || role == Qt::BackgroundRole) {
        // An unstyled cell answers nothing, so it keeps the view's own colours.
        const ui::CellStyle* style = rows_[row].style(column);
        if (style == nullptr) {
            return {};
        }
        const std::optional<ui::Colour>& colour =
            role == Qt::ForegroundRole ? style->text : style->background;
        return colour ? QVariant(QColor(QRgb(*colour))) : QVariant();
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
