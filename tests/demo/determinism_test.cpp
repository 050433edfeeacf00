#include <gtest/gtest.h>

#include "demo_test_server.h"

namespace quvolo::demo {
namespace {

std::vector<std::string> sample_paths(const DemoMarketplace& demo) {
    const GameWorld& world = demo.site().data().world;
    const Game& game = *world.by_trade()[1];
    const auto layout = world.layout(game);
    const AreaInfo& area = layout->areas[0];
    return {
        "/ajax.axd?methodName=GETALLGAMESDATAv31&cache=20&IsGameID=false&jsoncallback=callgame",
        "/ajax.axd?methodName=gamesV31&cache=20&gameType=GameAreas&tradingType=other&id=" +
            game.id + "&jsoncallback=callarea",
        "/auction/GameGetBizOfferTypeHandler.ashx?jsoncallback=calltype&gm=" + game.id +
            "&jsoncallback=calltype",
        "/list/viewlastestdeallist.aspx?ts=-1&offerid=&gm=" + game.id +
            "&raceid=-1&ga=-1&gs=-1&bt=-1&sort=LastRefresh_DESC&section=-1_-1&pg=3&ps=80",
        "/search/" + game.id + ".shtml",
        "/search/" + game.id + "/t1-a" + area.id + "-s" + area.servers[0].id + "-0-0-0-0.shtml",
        "/ntgame/Tovana/index.htm",
        "/ntgame/Tovana/images/rank_20250511.png",
        "/testing-list.html?page=2&type=0&theme=0&frame=0",
        "/NetWork/cxweb/hangqing/images/dnf.png",
        "/koushui/index.asp",
    };
}

TEST(Determinism, OneSeedGivesTheSameBytesInTwoRuns) {
    ManualClock first_clock, second_clock;
    const auto first = DemoMarketplace::start(test_options(first_clock, 99));
    const auto second = DemoMarketplace::start(test_options(second_clock, 99));
    ASSERT_TRUE(first && second);
    for (const std::string& path : sample_paths(*first)) {
        const HttpAnswer a = http_get(*first, path, "tovana.test");
        const HttpAnswer b = http_get(*second, path, "tovana.test");
        EXPECT_EQ(a.status, 200) << path;
        EXPECT_GT(a.body.size(), 20u) << path;
        EXPECT_TRUE(a.body == b.body) << path;
    }
}

TEST(Determinism, AnotherSeedGivesAnotherMarketplace) {
    ManualClock first_clock, second_clock;
    const auto first = DemoMarketplace::start(test_options(first_clock, 1));
    const auto second = DemoMarketplace::start(test_options(second_clock, 2));
    ASSERT_TRUE(first && second);
    const std::string catalogue = sample_paths(*first)[0];
    EXPECT_NE(http_get(*first, catalogue).body, http_get(*second, catalogue).body);
}

}  // namespace
}  // namespace quvolo::demo
