#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "demo_fixture.h"

namespace quvolo::testing {
namespace {

// While this lives the demo answers no request for `path`: it sends the head and then holds
// the connection until the client goes.
class StalledPath {
  public:
    StalledPath(demo::DemoMarketplace& demo, std::string path) : demo_(demo) {
        demo_.set_faults({{std::move(path), demo::FaultKind::stall, 0}});
    }
    ~StalledPath() { demo_.set_faults({}); }
    StalledPath(const StalledPath&) = delete;
    StalledPath& operator=(const StalledPath&) = delete;

  private:
    demo::DemoMarketplace& demo_;
};

std::vector<std::string> items(const ui::ListBox& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i) {
        texts.push_back(utf8(list.item(i)));
    }
    return texts;
}

void wait_for_caption(const ui::Label& label, const std::string& utf8_text) {
    while (utf8(label.caption()) != utf8_text) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

TEST(ChoiceLoadsOnDemo, ANewerGameChoiceEndsTheOlderLoadWhoseRequestStalls) {
    HandlerRig expected;
    ASSERT_GE(load_catalogue_and_find_game(expected, 1), 0);
    expected.choose(expected.c.deal.游戏列表_游戏名_显, 1, &DealTabHandlers::game_chosen);
    const DealTabControls& wanted = expected.c.deal;
    ASSERT_GT(wanted.游戏分区_大区_显.count(), 0);

    HandlerRig rig;
    ASSERT_GE(load_catalogue_and_find_game(rig, 1), 0);
    DealTabControls& tab = rig.c.deal;
    {
        // The catalogue's area lists are held; the goods types and the deal pages are not.
        const StalledPath stalled(shared_demo(), "/ajax.axd");
        tab.游戏列表_游戏名_显.select(0);
        rig.handlers.game_chosen();
        wait_for_caption(rig.c.状态, "分区类型 列表载入中...");
        // The load asks for its areas right after that caption; a page of ours answered later
        // means the demo has all but surely taken that request in and holds it. Were it not
        // so, the older load would merely end sooner, with the same outcome.
        read_deal_page(
            deal_list_address(demo_hosts().trading, {tab.游戏列表_游戏名_编号.item(0)}, 1));
    }
    tab.游戏列表_游戏名_显.select(1);
    rig.handlers.game_chosen();
    rig.tasks.wait_all();  // returns once the older load has given up its held request

    EXPECT_EQ(items(tab.游戏分区_大区_显), items(wanted.游戏分区_大区_显));
    EXPECT_EQ(items(tab.游戏分区_大区_隐), items(wanted.游戏分区_大区_隐));
    EXPECT_EQ(items(tab.商品类型_类型_显), items(wanted.商品类型_类型_显));
    EXPECT_EQ(items(tab.商品类型_类型_隐), items(wanted.商品类型_类型_隐));
    EXPECT_EQ(utf8(rig.c.状态.caption()), "分区类型 列表载入完成！");
}

}  // namespace
}  // namespace quvolo::testing
