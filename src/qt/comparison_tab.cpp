#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "qt/tabs.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {

QWidget* build_comparison_tab(ComparisonTabControls& c, DealTabHandlers& deals) {
    auto* page = new QWidget();
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    QPushButton* delete_row = make_button(CONTROL(c, 按钮_删除单条), page);
    QObject::connect(delete_row, &QPushButton::clicked, page,
                     [&deals] { deals.delete_comparison_clicked(); });
    buttons->addWidget(delete_row);
    QPushButton* clear = make_button(CONTROL(c, 按钮_清空统计), page);
    QObject::connect(clear, &QPushButton::clicked, page,
                     [&deals] { deals.clear_comparison_clicked(); });
    buttons->addWidget(clear);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 6);
    ReportListView* table_view = nullptr;
    layout->addWidget(make_report_list(CONTROL(c, 统计列表), page, &table_view), 1);
    QObject::connect(table_view, &ReportListView::header_clicked, page,
                     [&deals](int column) { deals.comparison_header_clicked(column); });
    layout->addLayout(buttons);
    return page;
}

}  // namespace quvolo::qt
