#pragma once

#include <QAbstractTableModel>
#include <QPixmap>
#include <QStringList>
#include <vector>

#include "ui/report_list.h"

namespace quvolo::qt {

// A read-only snapshot of a report list's rows; cell texts are converted only when shown.
class ReportTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    ReportTableModel(const std::vector<ui::ReportColumn>& columns, QObject* parent);

    void set_rows(std::vector<ui::ReportRow> rows);
    // Pictures shown in column 0, one per row from the top.
    void set_row_pictures(std::vector<QPixmap> pictures);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    static QString plain_tooltip(const QString& text);

    QStringList titles_;
    std::vector<ui::ReportRow> rows_;
    std::vector<QPixmap> row_pictures_;
};

}  // namespace quvolo::qt
