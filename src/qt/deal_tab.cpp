#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "qt/query_tab_parts.h"
#include "qt/tabs.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {
namespace {

QLayout* day_filter_column(DealTabControls& c, QWidget* page) {
    auto* day = new QDateEdit(page);
    day->setObjectName(QStringLiteral("日期框1"));
    day->setCalendarPopup(true);
    day->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    new DateBoxView(c.日期框1, *day);

    auto* column = new QVBoxLayout();
    column->setSpacing(4);
    column->addWidget(day);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(make_button(CONTROL(c, 按钮_查询指定日期), page));
    buttons->addWidget(make_button(CONTROL(c, 按钮_恢复查询数据), page));
    column->addLayout(buttons);
    return column;
}

QLayout* action_column(DealTabControls& c, QWidget* page) {
    auto* column = new QVBoxLayout();
    column->setSpacing(6);
    column->addSpacing(18);
    QPushButton* query = make_button(CONTROL(c, 成交量), page);
    query->setMinimumHeight(40);
    column->addWidget(query);
    column->addWidget(make_button(CONTROL(c, 加入统计), page));
    column->addStretch(1);
    column->addLayout(day_filter_column(c, page));
    return column;
}

QLayout* selection_row(DealTabControls& c, MainWindowLogic& logic, QWidget* page) {
    GameFilterWidgets filter{};
    filter.letters = make_drop_down(CONTROL(c, 字母分类), page, &filter.letter_view);
    filter.keyword = make_edit_box(CONTROL(c, 编辑框_关键字), page);
    filter.search = make_button(CONTROL(c, 按钮_关键字), page);

    auto* row = new QHBoxLayout();
    row->setSpacing(8);
    row->addLayout(game_filter_column(make_static_label("标签4", " 1.字母分类", page), filter,
                                      QueryTab::deal, logic),
                   3);
    row->addLayout(step_column(make_static_label("标签5", " 2.游戏列表", page),
                               make_list_box(CONTROL(c, 游戏列表_游戏名_显), page)),
                   4);
    row->addLayout(step_column(make_static_label("标签2", " 3.商品类型", page),
                               make_list_box(CONTROL(c, 商品类型_类型_显), page)),
                   3);
    row->addLayout(step_column(make_static_label("标签1", " 4.游戏分区", page),
                               make_list_box(CONTROL(c, 游戏分区_大区_显), page)),
                   3);
    row->addLayout(step_column(make_static_label("标签3", " 5.游戏伺服", page),
                               make_list_box(CONTROL(c, 游戏伺服_服务器_显), page)),
                   3);
    row->addLayout(action_column(c, page), 3);
    return row;
}

QWidget* figures_panel(DealTabControls& c, QWidget* page) {
    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::StyledPanel);
    const std::vector<Figure> figures = {
        {make_static_label("标签6", "总成交", panel),
         make_figure_label(CONTROL(c, 标签_交易总金额), panel),
         make_transparent_label(CONTROL(c, 透明标签_总副), panel)},
        {make_static_label("标签7", "交易量", panel),
         make_figure_label(CONTROL(c, 标签_交易笔数), panel),
         make_transparent_label(CONTROL(c, 透明标签_量副), panel)},
        {make_static_label("标签8", "最低金额", panel),
         make_figure_label(CONTROL(c, 标签_最低价), panel),
         make_transparent_label(CONTROL(c, 透明标签_低金), panel)},
        {make_static_label("标签9", "最高金额", panel),
         make_figure_label(CONTROL(c, 标签_最高价), panel),
         make_transparent_label(CONTROL(c, 透明标签_高金), panel)},
        {make_static_label("标签11", "最低单价", panel),
         make_figure_label(CONTROL(c, 标签_最低单价), panel),
         make_transparent_label(CONTROL(c, 透明标签_低单), panel)},
        {make_static_label("标签12", "最高单价", panel),
         make_figure_label(CONTROL(c, 标签_最高单价), panel),
         make_transparent_label(CONTROL(c, 透明标签_高单), panel)},
        {make_static_label("标签10", "平均单价", panel),
         make_figure_label(CONTROL(c, 标签_平均单价), panel),
         make_transparent_label(CONTROL(c, 透明标签_平均), panel)},
    };
    panel->setLayout(figure_grid(figures, 4));
    return panel;
}

QLayout* target_row(DealTabControls& c, QWidget* page) {
    auto* row = new QHBoxLayout();
    row->addWidget(make_label(CONTROL(c, 查询目标), page), 1);
    row->addWidget(make_transparent_label(CONTROL(c, 透明标签_排序), page));
    return row;
}

}  // namespace

QWidget* build_deal_tab(DealTabControls& c, MainWindowLogic& logic) {
    auto* page = new QWidget();
    ReportListView* deals_view = nullptr;
    QTreeView* deals = make_report_list(CONTROL(c, 成交信息), page, &deals_view);
    attach_context_menu(*deals_view, "功能", {"查看当前订单", "成交信息导出Excel"}, page);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(selection_row(c, logic, page), 0);
    layout->addWidget(figures_panel(c, page));
    layout->addLayout(target_row(c, page));
    layout->addWidget(deals, 1);
    return page;
}

}  // namespace quvolo::qt
