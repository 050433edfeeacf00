#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "qt/tabs.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {

QWidget* build_comparison_tab(ComparisonTabControls& c) {
    auto* page = new QWidget();
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(make_button(CONTROL(c, 按钮_删除单条), page));
    buttons->addWidget(make_button(CONTROL(c, 按钮_清空统计), page));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addWidget(make_report_list(CONTROL(c, 统计列表), page), 1);
    layout->addLayout(buttons);
    return page;
}

}  // namespace quvolo::qt
