#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "deals/deal_page.h"
#include "deals/sort_keys.h"
#include "event_wait.h"
#include "net/fetch.h"
#include "qt/gbk_qstring.h"
#include "text/gbk_literal.h"
#include "window_on_demo.h"

namespace quvolo::qt {
namespace {

// Presses Yes on the next question box the window shows.
void answer_next_question_yes(QWidget& window) {
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box != nullptr && box->isVisible()) {
                box->button(QMessageBox::Yes)->click();
                poll->deleteLater();
                return;
            }
        }
    });
    poll->start(10);
}

// The first game of the catalogue whose deal list has at least two pages.
int game_with_two_pages(const ui::ListBox& ids, const std::string& trading_host) {
    for (int index = 0; index < ids.count() && index < 300; ++index) {
        if (deal_page_count(fetch_page(deal_list_address(trading_host, {ids.item(index)}, 1))) >=
            2) {
            return index;
        }
    }
    return -1;
}

using DealTabWindow = WindowOnDemo;

TEST_F(DealTabWindow, ATraderClicksForTheDealsAndSeesTheFigures) {
    MainWindowControls& controls = shown_->controls;
    DealTabHandlers& deals = shown_->handlers.deals;
    MainWindow& window = shown_->window;
    DealTabControls& tab = controls.deal;

    const int game = game_with_two_pages(tab.游戏列表_游戏名_编号, setup_.hosts.trading);
    ASSERT_GE(game, 0);

    auto* games = window.findChild<QListWidget*>(QStringLiteral("游戏列表_游戏名_显"));
    ASSERT_NE(games, nullptr);
    ASSERT_TRUE(process_events_until([&] { return games->count() > game; }));
    games->scrollToItem(games->item(game));
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {},
                      games->visualItemRect(games->item(game)).center());
    ASSERT_TRUE(process_events_until(
        [&] { return controls.状态条1.part(1) == GBK("分区类型 列表载入完成！"); }));
    EXPECT_GT(tab.游戏分区_大区_显.count(), 0);

    auto* query = window.findChild<QPushButton*>(QStringLiteral("成交量"));
    ASSERT_NE(query, nullptr);
    EXPECT_EQ(query->text(), QStringLiteral("获取成交信息"));
    QTest::mouseClick(query, Qt::LeftButton);
    ASSERT_TRUE(process_events_until([&] {
        return controls.状态条1.part(1) == GBK("查询完毕！") && !deals.crawl_state().busy;
    }));

    const int rows = tab.成交信息.row_count();
    ASSERT_GT(rows, 80);
    auto* list = window.findChild<QTreeView*>(QStringLiteral("成交信息"));
    auto* count = window.findChild<QLabel*>(QStringLiteral("标签_交易笔数"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(count, nullptr);
    EXPECT_TRUE(process_events_until([&] {
        return list->model()->rowCount() == rows &&
               count->text() == QStringLiteral("%1 笔").arg(rows);
    }));
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QString::number(rows));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("查询目标"))->text(),
              to_qstring(tab.游戏列表_游戏名_显.item(game) + ">>>>>>"));

    // A click on the price header sorts the shown list ascending.
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + 5, header->height() / 2));
    EXPECT_EQ(tab.透明标签_排序.caption(), GBK("升"));
    EXPECT_TRUE(process_events_until([&] {
        return sort_number(to_gbk(list->model()->index(0, 4).data().toString())) <=
               sort_number(to_gbk(list->model()->index(rows - 1, 4).data().toString()));
    }));

    answer_next_question_yes(window);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("加入统计")), Qt::LeftButton);
    auto* table = window.findChild<QTreeView*>(QStringLiteral("统计列表"));
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(process_events_until([&] { return table->model()->rowCount() == 1; }));
    EXPECT_EQ(table->model()->index(0, 8).data().toString(), QStringLiteral("%1 ").arg(rows));

    if (const QString shots = qEnvironmentVariable("QUVOLO_TEST_SCREENSHOT_DIR");
        !shots.isEmpty()) {
        window.grab().save(shots + QStringLiteral("/deal_tab.png"));
    }
}

}  // namespace
}  // namespace quvolo::qt
