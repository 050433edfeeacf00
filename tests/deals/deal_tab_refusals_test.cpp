#include <gtest/gtest.h>

#include <functional>

#include "demo_fixture.h"

namespace quvolo::testing {
namespace {

TEST(DealTabRefusals, WhileACrawlWritesNothingElseTouchesTheDealList) {
    GatedPacer gate;
    HandlerRig rig(&gate);
    const int game = load_catalogue_and_find_game(rig, 2);
    ASSERT_GE(game, 0);
    DealTabControls& tab = rig.c.deal;
    tab.游戏列表_游戏名_显.select(game);
    tab.游戏列表_游戏名_编号.select(game);
    rig.handlers.crawl_clicked();
    gate.wait_for_pauses(1);  // page 1 is in, the crawl waits before the next page

    const auto rows = tab.成交信息.rows();
    ASSERT_FALSE(rows.empty());
    const struct {
        const char* what;
        std::function<void()> act;
    } actions[] = {
        {"sort", [&] { rig.handlers.header_clicked(4); }},
        {"day filter", [&] { rig.handlers.find_day_clicked(); }},
        {"restore", [&] { rig.handlers.restore_clicked(); }},
        {"add to comparison", [&] { rig.handlers.add_comparison_clicked(); }},
        {"export", [&] { EXPECT_FALSE(rig.handlers.deal_list_free()); }},
        {"a second crawl after choices",
         [&] {
             rig.handlers.type_chosen();
             rig.handlers.server_chosen();
             rig.handlers.crawl_clicked();
         }},
    };
    for (const auto& action : actions) {
        const std::size_t boxes = rig.desktop.boxes().size();
        action.act();
        const auto shown = rig.desktop.boxes();
        ASSERT_EQ(shown.size(), boxes + 1) << action.what;
        EXPECT_EQ(utf8(shown.back().text), "正在获取交易量中") << action.what;
        EXPECT_EQ(utf8(shown.back().title), "警告") << action.what;
    }
    EXPECT_EQ(tab.成交信息.rows(), rows);
    EXPECT_EQ(utf8(tab.透明标签_排序.caption()), "降");
    EXPECT_EQ(rig.c.comparison.统计列表.row_count(), 0);

    gate.open();
    rig.tasks.wait_all();
    EXPECT_FALSE(rig.handlers.crawl_state().busy);
    EXPECT_TRUE(rig.handlers.crawl_state().finished);
    const std::size_t boxes = rig.desktop.boxes().size();
    rig.handlers.header_clicked(4);
    EXPECT_EQ(utf8(tab.透明标签_排序.caption()), "升");
    EXPECT_TRUE(rig.handlers.deal_list_free());
    EXPECT_EQ(rig.desktop.boxes().size(), boxes);
}

}  // namespace
}  // namespace quvolo::testing
