#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "qt/picture_box_view.h"
#include "qt/rank_badges.h"
#include "qt/tabs.h"
#include "qt/widget_factory.h"

namespace quvolo::qt {
namespace {

constexpr int kPlaces = 10;

// A ranking: its heading over a list whose first column shows the place as a badge.
QLayout* ranking_column(QLabel* heading, ui::MemoryReportList& store, const char* name,
                        QWidget* page) {
    ReportListView* view = nullptr;
    QTreeView* list = make_report_list(store, name, page, &view);
    view->show_row_pictures(rank_badges(kPlaces));
    list->setIconSize(QSize(26, 16));
    list->setAlternatingRowColors(true);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedHeight(list->header()->sizeHint().height() + kPlaces * 20 + 6);

    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    auto* column = new QVBoxLayout();
    column->addWidget(heading);
    column->addWidget(list);
    return column;
}

QLayout* week_row(RankingTabControls& c, QWidget* page) {
    auto* row = new QHBoxLayout();
    row->addWidget(make_button(CONTROL(c, 超级按钮2), page));
    row->addSpacing(16);
    row->addWidget(make_static_label("标签17", "本周排行", page));
    row->addWidget(make_label(CONTROL(c, 标签_本周排行), page), 1);
    row->addWidget(
        make_static_label("标签30", "以下数据来源于Tovana，本排行数据每周更新一次.", page));
    return row;
}

QLayout* rankings_row(RankingTabControls& c, QWidget* page) {
    auto* row = new QHBoxLayout();
    row->addLayout(ranking_column(make_static_label("标签16", "总交易额排行榜(金币+装备)", page),
                                  CONTROL(c, 超级列表框_总交易额排行榜), page),
                   21);
    row->addLayout(ranking_column(make_static_label("标签31", "游戏币交易排行榜(含重复物品)", page),
                                  CONTROL(c, 超级列表框_游戏币交易排行榜), page),
                   28);
    row->addLayout(ranking_column(make_static_label("标签32", "装备交易排行榜(含重复物品)", page),
                                  CONTROL(c, 超级列表框_装备交易排行榜), page),
                   46);
    return row;
}

QLayout* past_weeks_column(RankingTabControls& c, QWidget* page) {
    auto* title = new QHBoxLayout();
    title->addWidget(make_static_label("标签33", "历史排行", page));
    title->addWidget(make_label(CONTROL(c, 标签_历史排行), page), 1);
    auto* column = new QVBoxLayout();
    column->addLayout(title);
    column->addWidget(make_list_box(CONTROL(c, 列表框_历史排行_显), page), 1);
    return column;
}

QLayout* chart_column(RankingTabControls& c, RankingTabHandlers& rankings, QWidget* page) {
    auto* title = new QHBoxLayout();
    title->addWidget(make_label(CONTROL(c, 标签_变化图标), page));
    title->addWidget(make_static_label("标签34", "各产品名次变化图表", page));
    title->addStretch(1);

    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("图片框_变化图缩"));
    picture->setFixedSize(380, 160);
    picture->setFrameShape(QFrame::StyledPanel);
    new PictureBoxView(c.图片框_变化图缩, *picture);
    QPushButton* enlarge = action_button(CONTROL(c, 超级按钮_点击查看大图), page,
                                         [&rankings] { rankings.chart_clicked(); });
    // Its caption stands one character a line with empty lines between: a smaller font lets
    // all eleven lines fit beside the picture.
    QFont small = enlarge->font();
    small.setPixelSize(11);
    enlarge->setFont(small);
    enlarge->setFixedSize(34, 160);
    auto* chart = new QHBoxLayout();
    chart->addWidget(picture);
    chart->addWidget(enlarge);
    chart->addStretch(1);

    auto* column = new QVBoxLayout();
    column->addLayout(title);
    column->addWidget(make_static_label(
        "标签35", "通过图表，我们可以很清楚看到各大热门网游名次变化的曲线!", page));
    column->addLayout(chart);
    column->addStretch(1);
    return column;
}

QLayout* window_buttons_column(RankingTabControls& c, RankingTabHandlers& rankings, QWidget* page) {
    auto* column = new QVBoxLayout();
    column->addSpacing(40);
    for (QPushButton* button : {action_button(CONTROL(c, 超级按钮_打开Tovana交易行情), page,
                                              [&rankings] { rankings.market_trend_clicked(); }),
                                action_button(CONTROL(c, 超级按钮_Ketzal交易), page,
                                              [&rankings] { rankings.test_list_clicked(); }),
                                action_button(CONTROL(c, 超级按钮_Tovana总排行), page,
                                              [&rankings] { rankings.all_volumes_clicked(); })}) {
        button->setMinimumHeight(36);
        column->addWidget(button);
    }
    column->addStretch(1);
    return column;
}

}  // namespace

QWidget* build_ranking_tab(RankingTabControls& c, RankingTabHandlers& rankings) {
    auto* lower = new QHBoxLayout();
    auto* page = new QWidget();
    lower->addLayout(past_weeks_column(c, page), 2);
    lower->addSpacing(12);
    lower->addLayout(chart_column(c, rankings, page), 4);
    lower->addSpacing(12);
    lower->addLayout(window_buttons_column(c, rankings, page), 2);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addLayout(week_row(c, page));
    layout->addLayout(rankings_row(c, page));
    layout->addLayout(lower, 1);
    return page;
}

}  // namespace quvolo::qt
