#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "qt/query_tab_parts.h"
#include "qt/tabs.h"
#include "qt/timer_view.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {
namespace {

QLayout* selection_row(MonitorTabControls& c, GameFilterHandlers& filters, QWidget* page) {
    GameFilterWidgets filter{};
    filter.letters = make_drop_down(CONTROL(c, 字母分类1), page, &filter.letter_view);
    filter.keyword = make_edit_box(CONTROL(c, 编辑框_关键字1), page);
    filter.search = make_button(CONTROL(c, 按钮_关键字1), page);

    QPushButton* query = make_button(CONTROL(c, 未交易信息), page);
    query->setMinimumHeight(40);
    auto* actions = new QVBoxLayout();
    actions->addSpacing(18);
    actions->addWidget(query);
    actions->addStretch(1);

    auto* row = new QHBoxLayout();
    row->setSpacing(8);
    row->addLayout(game_filter_column(make_static_label("标签23", " 1.字母分类", page), filter,
                                      QueryTab::monitor, filters),
                   3);
    row->addLayout(step_column(make_static_label("标签13", " 2.游戏列表", page),
                               make_list_box(CONTROL(c, 游戏列表_游戏名_显1), page)),
                   4);
    row->addLayout(step_column(make_static_label("标签24", " 3.商品类型", page),
                               make_list_box(CONTROL(c, 商品类型_类型_显1), page)),
                   3);
    row->addLayout(step_column(make_static_label("标签41", "网页游戏运营商", page),
                               make_list_box(CONTROL(c, 运营商_显), page)),
                   3);
    row->addLayout(step_column(make_static_label("标签14", " 4.游戏分区", page),
                               make_list_box(CONTROL(c, 游戏分区_大区_显1), page)),
                   3);
    row->addLayout(step_column(make_static_label("标签15", " 5.游戏伺服", page),
                               make_list_box(CONTROL(c, 游戏伺服_服务器_显1), page)),
                   3);
    row->addLayout(actions, 2);
    return row;
}

QWidget* monitor_figures_panel(MonitorTabControls& c, QWidget* page) {
    return figures_panel({{"标签18", "最低金额", CONTROL(c, 标签_最低价1)},
                          {"标签19", "最高金额", CONTROL(c, 标签_最高价1)},
                          {"标签20", "最低单价", CONTROL(c, 标签_最低单价1)},
                          {"标签21", "最高单价", CONTROL(c, 标签_最高单价1)},
                          {"标签22", "平均单价", CONTROL(c, 标签_平均单价1)}},
                         3, page);
}

// A price bound: "单价小于 [ ] 大于 [ ]".
void add_bounds(QGridLayout* grid, int row, QLabel* below_caption, QLineEdit* below,
                QLabel* above_caption, QLineEdit* above) {
    below->setMaximumWidth(80);
    above->setMaximumWidth(80);
    grid->addWidget(below_caption, row, 0, Qt::AlignRight);
    grid->addWidget(below, row, 1);
    grid->addWidget(above_caption, row, 2, Qt::AlignRight);
    grid->addWidget(above, row, 3);
}

QWidget* monitor_panel(MonitorTabControls& c, QWidget* page) {
    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    add_bounds(grid, 0, make_static_label("标签26", "单价小于", panel),
               make_edit_box(CONTROL(c, 编辑框_单价小于), panel),
               make_static_label("标签27", "大于", panel),
               make_edit_box(CONTROL(c, 编辑框_单价大于), panel));
    add_bounds(grid, 1, make_static_label("标签28", "价格小于", panel),
               make_edit_box(CONTROL(c, 编辑框_价格小于), panel),
               make_static_label("标签29", "大于", panel),
               make_edit_box(CONTROL(c, 编辑框_价格大于), panel));

    QComboBox* interval = make_drop_down(CONTROL(c, 组合框_监控时间), panel);
    interval->setPlaceholderText(QStringLiteral("监控间隔"));
    QComboBox* alarm = make_drop_down(CONTROL(c, 组合框_报警模式), panel);
    alarm->setPlaceholderText(QStringLiteral("报警方式"));
    grid->addWidget(interval, 0, 4, 1, 2);
    grid->addWidget(make_static_label("标签25", "报警模式", panel), 1, 4, Qt::AlignRight);
    grid->addWidget(alarm, 1, 5);

    QPushButton* watch = make_button(CONTROL(c, 超级按钮_监控), panel);
    watch->setMinimumHeight(44);
    grid->addWidget(watch, 0, 6, 2, 1);
    grid->addWidget(make_label(CONTROL(c, 标签_监控), panel), 0, 7);
    grid->addWidget(make_transparent_label(CONTROL(c, 透明标签1), panel), 1, 7);
    grid->setColumnStretch(7, 1);
    return panel;
}

QLayout* target_row(MonitorTabControls& c, QWidget* page) {
    auto* row = new QHBoxLayout();
    row->addWidget(make_label(CONTROL(c, 查询目标1), page), 1);
    row->addWidget(make_static_label(
        "标签36", "选中商品后，点击右键，选择查看未交易信息即可打开Tovana当前商品购买界面！",
        page));
    row->addSpacing(12);
    row->addWidget(make_transparent_label(CONTROL(c, 透明标签_排序1), page));
    return row;
}

}  // namespace

QWidget* build_monitor_tab(MonitorTabControls& c, GameFilterHandlers& filters,
                           MonitorTabHandlers& monitor) {
    auto* page = new QWidget();
    ReportListView* offers_view = nullptr;
    QTreeView* offers = make_report_list(CONTROL(c, 成交信息1), page, &offers_view);
    QMenu* menu = attach_context_menu(*offers_view, "监控功能",
                                      {"查看当前未交易订单", "未交易订单导出Excel"}, page);
    QObject::connect(menu->findChild<QAction*>(QStringLiteral("未交易订单导出Excel")),
                     &QAction::triggered, page, [&monitor] { monitor.export_chosen(); });
    auto* timer = new TimerView(c.监控刷新时间, page);
    timer->setObjectName(QStringLiteral("监控刷新时间"));

    auto* panels = new QHBoxLayout();
    panels->addWidget(monitor_figures_panel(c, page), 1);
    panels->addWidget(monitor_panel(c, page), 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(selection_row(c, filters, page), 0);
    layout->addLayout(panels);
    layout->addLayout(target_row(c, page));
    layout->addWidget(offers, 1);
    return page;
}

}  // namespace quvolo::qt
