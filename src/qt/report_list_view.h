#pragma once

#include <QPixmap>
#include <QPoint>
#include <vector>

#include "qt/store_view.h"
#include "ui/memory_report_list.h"

class QTreeView;

namespace quvolo::qt {

class ReportTableModel;

// A report list shown in a tree view over a snapshot of the store's rows, so that a list of
// any length costs the window one copy per redraw. Keeps the selected row and the scroll
// position across redraws; the user's selection goes back to the store.
class ReportListView : public StoreView {
    Q_OBJECT
  public:
    ReportListView(ui::MemoryReportList& store, QTreeView& view);

    void show_row_pictures(std::vector<QPixmap> pictures);
    int shown_row_count() const;

  signals:
    void header_clicked(int column);
    void context_menu_requested(const QPoint& global_position);

  protected:
    void redraw() override;

  private:
    ui::MemoryReportList& store_;
    QTreeView& view_;
    ReportTableModel* model_;
    bool redrawing_ = false;
};

}  // namespace quvolo::qt
