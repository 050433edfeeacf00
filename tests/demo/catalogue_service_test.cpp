#include <gtest/gtest.h>

#include <set>

#include "demo/game_world.h"
#include "demo_test_server.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "text/pattern_matcher.h"
#include "text/split.h"
#include "text/text_between.h"

namespace quvolo::demo {
namespace {

const std::string kCatalogue =
    "/ajax.axd?methodName=GETALLGAMESDATAv31&cache=20&IsGameID=false&jsoncallback=callgame";

struct Entry {
    std::string id, name;
};

// A list answer cut the way the selection lists read it: split at "}", then the name and
// the identifier of each piece by their markers.
std::vector<Entry> cut_entries(const std::string& body, const std::string& name_marker,
                               const std::string& id_marker, const std::string& quote) {
    std::vector<Entry> entries;
    for (const std::string& piece : split_text(body, "}")) {
        entries.push_back(
            {text_between(piece, id_marker, quote), text_between(piece, name_marker, quote)});
    }
    return entries;
}

std::string area_address(const std::string& game) {
    return "/ajax.axd?methodName=gamesV31&cache=20&gameType=GameAreas&tradingType=other&id=" +
           game + "&jsoncallback=callarea";
}

std::string server_address(const std::string& area) {
    return "/ajax.axd?methodName=gamesV31&cache=20&gameType=GameServers&tradingType=other&id=" +
           area + "&jsoncallback=callserver";
}

TEST(CatalogueService, EveryGameComesOutOfTheCataloguePatternInCatalogueOrder) {
    const DemoMarketplace& demo = shared_demo();
    const HttpAnswer answer = http_get(demo, kCatalogue);
    ASSERT_EQ(answer.status, 200);
    EXPECT_NE(answer.content_type.find("gb2312"), std::string::npos);
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.run("id:'(.*?)',name:'(.*?)'", answer.body));
    const auto& order = demo.site().data().world.catalogue_order();
    ASSERT_EQ(matcher.match_count(), static_cast<int>(order.size()));
    std::set<std::string> ids;
    for (int k = 1; k <= matcher.match_count(); ++k) {
        EXPECT_EQ(matcher.submatch_text(k, 1), order[k - 1]->id);
        EXPECT_EQ(matcher.submatch_text(k, 2), order[k - 1]->name);
        ids.insert(matcher.submatch_text(k, 1));
    }
    EXPECT_EQ(ids.size(), order.size()) << "identifiers repeat";

    // The volume windows cut the body up to the empty last group.
    const std::string body = text_between(answer.body, "callgame([", "]},{name:'WEBG',list:[]}])");
    ASSERT_FALSE(body.empty());
    PatternMatcher in_body;
    in_body.run("id:'(.*?)',name:'(.*?)'", body);
    EXPECT_EQ(in_body.match_count(), matcher.match_count());
}

TEST(CatalogueService, NamesCoverTheCharactersTradersMeet) {
    const HttpAnswer answer = http_get(shared_demo(), kCatalogue);
    struct Case {
        const char* what;
        const char* name;
    };
    const Case cases[] = {
        {"Latin letters", "QQ华夏"},
        {"Latin letters", "DNF怀旧服"},
        {"a leading digit", "3D坦克大战"},
        {"a level-2 hanzi", "鑫诺传奇"},
        {"a character outside GB2312", "昇龙传说"},
        {"a roman numeral symbol", "剑侠情缘Ⅲ"},
    };
    for (const Case& c : cases) {
        const std::string entry = "name:'" + utf8_to_gbk(c.name) + "'";
        EXPECT_NE(answer.body.find(entry), std::string::npos) << c.what << ": " << c.name;
    }
}

TEST(CatalogueService, AreasAndServersOfAGameCutIntoMatchingPairs) {
    const DemoMarketplace& demo = shared_demo();
    const GameWorld& world = demo.site().data().world;
    // A busy game, a quiet one and a web game.
    std::vector<const Game*> games = {world.by_trade()[0], world.by_trade().back()};
    for (const Game& game : world.games()) {
        if (game.web_game) {
            games.push_back(&game);
            break;
        }
    }
    ASSERT_EQ(games.size(), 3u);
    for (const Game* game : games) {
        const auto layout = world.layout(*game);
        const HttpAnswer areas = http_get(demo, area_address(game->id));
        const auto area_entries =
            cut_entries(text_between(areas.body, "callarea([", "])"), ",name:'", "id:'", "'");
        ASSERT_EQ(area_entries.size(), layout->areas.size()) << game->id;
        for (std::size_t a = 0; a < area_entries.size(); ++a) {
            EXPECT_EQ(area_entries[a].id, layout->areas[a].id);
            EXPECT_EQ(area_entries[a].name, layout->areas[a].name);
            const HttpAnswer servers = http_get(demo, server_address(area_entries[a].id));
            const auto server_entries = cut_entries(
                text_between(servers.body, "callserver([", "])"), ",name:'", "id:'", "'");
            ASSERT_EQ(server_entries.size(), layout->areas[a].servers.size());
            for (std::size_t s = 0; s < server_entries.size(); ++s) {
                EXPECT_EQ(server_entries[s].name, layout->areas[a].servers[s].name);
                EXPECT_FALSE(server_entries[s].id.empty());
            }
        }
    }
}

TEST(CatalogueService, ServerNamesWithMarkupBytesInsideCharactersStayWhole) {
    // "倉" ends in the byte of "}" and "塢" in that of "]": cutting must not split them.
    const DemoMarketplace& demo = shared_demo();
    const GameWorld& world = demo.site().data().world;
    std::set<std::string> found;
    for (const Game* game : world.by_trade()) {
        const auto layout = world.layout(*game);
        for (const AreaInfo& area : layout->areas) {
            for (const ServerInfo& server : area.servers) {
                if (server.name != GBK("月倉") && server.name != GBK("黑塢"))
                    continue;
                if (found.count(server.name))
                    continue;
                const HttpAnswer answer = http_get(demo, server_address(area.id));
                const auto entries = cut_entries(text_between(answer.body, "callserver([", "])"),
                                                 ",name:'", "id:'", "'");
                ASSERT_EQ(entries.size(), area.servers.size());
                bool cut_whole = false;
                for (const Entry& entry : entries)
                    cut_whole |= entry.name == server.name;
                EXPECT_TRUE(cut_whole) << gbk_to_utf8(server.name);
                found.insert(server.name);
            }
        }
    }
    EXPECT_EQ(found.size(), 2u);
}

TEST(CatalogueService, GoodsTypesAnswerUnderTheDoubledCallbackName) {
    const DemoMarketplace& demo = shared_demo();
    const GameWorld& world = demo.site().data().world;
    const Game& game = *world.by_trade()[1];
    const HttpAnswer answer = http_get(
        demo, "/auction/GameGetBizOfferTypeHandler.ashx?jsoncallback=calltype&gm=" + game.id +
                  "&jsoncallback=calltype");
    const std::string body = text_between(answer.body, "calltype,calltype([", "])");
    const auto entries = cut_entries(body, "name\":\"", "id\":\"", "\"");
    const auto layout = world.layout(game);
    ASSERT_EQ(entries.size(), layout->goods_types.size());
    for (std::size_t t = 0; t < entries.size(); ++t) {
        EXPECT_EQ(entries[t].id, goods_type_table()[layout->goods_types[t]].id);
        EXPECT_EQ(entries[t].name, goods_type_table()[layout->goods_types[t]].name);
    }
    EXPECT_EQ(entries[0].name, GBK("游戏币"));
}

TEST(CatalogueService, UnknownIdentifiersGiveEmptyLists) {
    const DemoMarketplace& demo = shared_demo();
    struct Case {
        std::string address;
        std::string answer;
    };
    const Case cases[] = {
        {area_address("999999"), "callarea([])"},
        {area_address("1'%3Cscript%3E"), "callarea([])"},
        {server_address("12"), "callserver([])"},
        {server_address(""), "callserver([])"},
        {"/auction/"
         "GameGetBizOfferTypeHandler.ashx?jsoncallback=calltype&gm=x&jsoncallback=calltype",
         "calltype,calltype([])"},
        {"/ajax.axd?methodName=nothing&jsoncallback=callx", "callx([])"},
    };
    for (const Case& c : cases) {
        const HttpAnswer answer = http_get(demo, c.address);
        EXPECT_EQ(answer.status, 200) << c.address;
        EXPECT_EQ(answer.body, c.answer) << c.address;
    }
}

}  // namespace
}  // namespace quvolo::demo
