#include "qt/report_list_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>

#include "qt/report_table_model.h"

namespace quvolo::qt {

ReportListView::ReportListView(ui::MemoryReportList& store, QTreeView& view)
    : StoreView(store, &view),
      store_(store),
      view_(view),
      model_(new ReportTableModel(store.columns(), this)) {
    view_.setModel(model_);
    view_.setRootIsDecorated(false);
    view_.setItemsExpandable(false);
    view_.setUniformRowHeights(true);
    view_.setAllColumnsShowFocus(true);
    view_.setSelectionMode(QAbstractItemView::SingleSelection);
    view_.setSelectionBehavior(QAbstractItemView::SelectRows);
    view_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    view_.setSortingEnabled(false);
    QHeaderView* header = view_.header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    const auto& columns = store_.columns();
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        header->resizeSection(column, columns[column].width);
    }

    connect(header, &QHeaderView::sectionClicked, this, &ReportListView::header_clicked);
    connect(&view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        emit context_menu_requested(view_.viewport()->mapToGlobal(position));
    });
    connect(view_.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!redrawing_) {
                    store_.select_row(current.isValid() ? current.row() : -1);
                }
            });
    redraw();
}

void ReportListView::show_row_pictures(std::vector<QPixmap> pictures) {
    model_->set_row_pictures(std::move(pictures));
}

int ReportListView::shown_row_count() const {
    return model_->rowCount();
}

void ReportListView::redraw() {
    std::vector<ui::ReportRow> rows = store_.rows();
    const int selected = store_.selected_row();
    QScrollBar* vertical = view_.verticalScrollBar();
    QScrollBar* horizontal = view_.horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();

    redrawing_ = true;
    model_->set_rows(std::move(rows));
    if (selected >= 0) {
        view_.selectionModel()->setCurrentIndex(
            model_->index(selected, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        view_.selectionModel()->clear();
    }
    // Lay out now so the scroll ranges fit the new rows before the old positions are restored.
    view_.doItemsLayout();
    vertical->setValue(top);
    horizontal->setValue(left);
    redrawing_ = false;
}

}  // namespace quvolo::qt
