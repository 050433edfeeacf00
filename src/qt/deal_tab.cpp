#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <functional>

#include "deals/deal_controls.h"
#include "qt/query_tab_parts.h"
#include "qt/tabs.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {
namespace {

// A step list whose choice goes to its handler.
QListWidget* choice_list(ui::MemoryListBox& store, const char* name, QWidget* page,
                         std::function<void()> chosen) {
    ListBoxView* view = nullptr;
    QListWidget* list = make_list_box(store, name, page, &view);
    QObject::connect(view, &ListBoxView::chosen, page,
                     [chosen = std::move(chosen)](int) { chosen(); });
    return list;
}

QLayout* day_filter_column(DealTabControls& c, DealTabHandlers& deals, QWidget* page) {
    auto* day = new QDateEdit(page);
    day->setObjectName(QStringLiteral("日期框1"));
    day->setCalendarPopup(true);
    day->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    auto* day_view = new DateBoxView(c.日期框1, *day);
    QObject::connect(day_view, &DateBoxView::date_changed, page, [&deals] { deals.day_changed(); });

    auto* column = new QVBoxLayout();
    column->setSpacing(4);
    column->addWidget(day);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(
        action_button(CONTROL(c, 按钮_查询指定日期), page, [&deals] { deals.find_day_clicked(); }));
    buttons->addWidget(
        action_button(CONTROL(c, 按钮_恢复查询数据), page, [&deals] { deals.restore_clicked(); }));
    column->addLayout(buttons);
    return column;
}

QLayout* action_column(DealTabControls& c, DealTabHandlers& deals, QWidget* page) {
    auto* column = new QVBoxLayout();
    column->setSpacing(6);
    column->addSpacing(18);
    QPushButton* query =
        action_button(CONTROL(c, 成交量), page, [&deals] { deals.crawl_clicked(); });
    query->setMinimumHeight(40);
    column->addWidget(query);
    column->addWidget(
        action_button(CONTROL(c, 加入统计), page, [&deals] { deals.add_comparison_clicked(); }));
    column->addStretch(1);
    column->addLayout(day_filter_column(c, deals, page));
    return column;
}

QLayout* selection_row(DealTabControls& c, GameFilterHandlers& filters, DealTabHandlers& deals,
                       QWidget* page) {
    GameFilterWidgets filter{};
    filter.letters = make_drop_down(CONTROL(c, 字母分类), page, &filter.letter_view);
    filter.keyword = make_edit_box(CONTROL(c, 编辑框_关键字), page);
    filter.search = make_button(CONTROL(c, 按钮_关键字), page);

    auto* row = new QHBoxLayout();
    row->setSpacing(8);
    row->addLayout(game_filter_column(make_static_label("标签4", " 1.字母分类", page), filter,
                                      QueryTab::deal, filters),
                   3);
    row->addLayout(step_column(make_static_label("标签5", " 2.游戏列表", page),
                               choice_list(CONTROL(c, 游戏列表_游戏名_显), page,
                                           [&deals] { deals.game_chosen(); })),
                   4);
    row->addLayout(step_column(make_static_label("标签2", " 3.商品类型", page),
                               choice_list(CONTROL(c, 商品类型_类型_显), page,
                                           [&deals] { deals.type_chosen(); })),
                   3);
    row->addLayout(step_column(make_static_label("标签1", " 4.游戏分区", page),
                               choice_list(CONTROL(c, 游戏分区_大区_显), page,
                                           [&deals] { deals.area_chosen(); })),
                   3);
    row->addLayout(step_column(make_static_label("标签3", " 5.游戏伺服", page),
                               choice_list(CONTROL(c, 游戏伺服_服务器_显), page,
                                           [&deals] { deals.server_chosen(); })),
                   3);
    row->addLayout(action_column(c, deals, page), 3);
    return row;
}

QWidget* deal_figures_panel(DealTabControls& c, QWidget* page) {
    std::vector<FigureRow> figures;
    for_each_deal_figure(
        c, c, [&](const DealFigureNames& names, ui::MemoryLabel& value, ui::MemoryLabel& holder) {
            figures.push_back(
                {names.caption_label, names.caption, value, names.label, &holder, names.holder});
        });
    return figures_panel(figures, 4, page);
}

QLayout* target_row(DealTabControls& c, QWidget* page) {
    auto* row = new QHBoxLayout();
    row->addWidget(make_label(CONTROL(c, 查询目标), page), 1);
    row->addWidget(make_transparent_label(CONTROL(c, 透明标签_排序), page));
    return row;
}

}  // namespace

QWidget* build_deal_tab(DealTabControls& c, GameFilterHandlers& filters, DealTabHandlers& deals) {
    auto* page = new QWidget();
    ReportListView* deals_view = nullptr;
    QTreeView* deal_list = make_report_list(CONTROL(c, 成交信息), page, &deals_view);
    QMenu* menu =
        attach_context_menu(*deals_view, "功能", {"查看当前订单", "成交信息导出Excel"}, page);
    QObject::connect(menu->findChild<QAction*>(QStringLiteral("查看当前订单")), &QAction::triggered,
                     page, [&deals] { deals.view_current_order_clicked(); });
    QObject::connect(menu->findChild<QAction*>(QStringLiteral("成交信息导出Excel")),
                     &QAction::triggered, page, [&deals] { deals.export_chosen(); });
    QObject::connect(deals_view, &ReportListView::header_clicked, page,
                     [&deals](int column) { deals.header_clicked(column); });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(selection_row(c, filters, deals, page), 0);
    layout->addWidget(deal_figures_panel(c, page));
    layout->addLayout(target_row(c, page));
    layout->addWidget(deal_list, 1);
    return page;
}

}  // namespace quvolo::qt
