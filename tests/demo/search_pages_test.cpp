#include <gtest/gtest.h>

#include "demo_test_server.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "text/split.h"
#include "text/text_between.h"

namespace quvolo::demo {
namespace {

struct Link {
    std::string name, address;
};

// The monitor chain's list reading: split at "</dt>", every piece but the last is an entry.
std::vector<Link> read_link_list(const std::string& block, const std::string& name_end) {
    std::vector<std::string> pieces = split_text(block, "</dt>");
    std::vector<Link> links;
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        links.push_back({text_between(pieces[i], "title='", name_end),
                         text_between(pieces[i], "href='", "' title")});
    }
    return links;
}

std::string fetch(const std::string& address) {
    const HttpAnswer answer = http_get(shared_demo(), path_of(address));
    EXPECT_EQ(answer.status, 200) << address;
    return answer.body;
}

const GameWorld& world() {
    return shared_demo().site().data().world;
}

const Game& first_game(bool web) {
    for (const Game* game : world().by_trade()) {
        if (game->web_game == web)
            return *game;
    }
    return *world().by_trade()[0];
}

std::vector<Link> goods_types_of(const Game& game) {
    const std::string page = fetch(shared_demo().base_url() + "/search/" + game.id + ".shtml");
    return read_link_list(text_between(page, "sing_filbox", "sing_filbox"), "'>");
}

TEST(SearchPages, GameSearchPageListsItsGoodsTypesWithAbsoluteAddresses) {
    for (const Game* game : {&first_game(false), &first_game(true)}) {
        const auto layout = world().layout(*game);
        const std::vector<Link> types = goods_types_of(*game);
        ASSERT_EQ(types.size(), layout->goods_types.size()) << game->id;
        for (std::size_t t = 0; t < types.size(); ++t) {
            EXPECT_EQ(types[t].name, goods_type_table()[layout->goods_types[t]].name);
            EXPECT_EQ(types[t].address.rfind(shared_demo().base_url() + "/search/", 0), 0u);
        }
    }
}

TEST(SearchPages, AGameWithoutOperatorsListsAreasThenServersDownToTheFirstOfferPage) {
    const Game& game = first_game(false);
    const auto layout = world().layout(game);
    const std::string type_page = fetch(goods_types_of(game)[0].address);
    EXPECT_EQ(type_page.find(GBK("运营商选择")), std::string::npos);
    const std::vector<Link> areas =
        read_link_list(text_between(type_page, GBK("游戏区选择："), "nofound"), "' >");
    ASSERT_EQ(areas.size(), layout->areas.size());
    for (std::size_t a = 0; a < areas.size(); ++a) {
        EXPECT_EQ(areas[a].name, layout->areas[a].name);
        const std::string area_page = fetch(areas[a].address);
        const std::vector<Link> servers =
            read_link_list(text_between(area_page, GBK("按服务器选择："), "nofound"), "'");
        ASSERT_EQ(servers.size(), layout->areas[a].servers.size());
        for (std::size_t s = 0; s < servers.size(); ++s) {
            EXPECT_EQ(servers[s].name, layout->areas[a].servers[s].name);
            // The offer pages are numbered from this address.
            EXPECT_FALSE(text_between(servers[s].address, "http://", "-0-0-0-0").empty());
            EXPECT_TRUE(servers[s].address.ends_with("-0-0-0-0.shtml")) << servers[s].address;
        }
    }
}

TEST(SearchPages, AWebGameOffersTheOperatorChoiceBeforeItsAreas) {
    const Game& game = first_game(true);
    ASSERT_TRUE(game.web_game);
    const auto layout = world().layout(game);
    const std::string type_page = fetch(goods_types_of(game)[0].address);
    ASSERT_NE(type_page.find(GBK("运营商选择")), std::string::npos);
    const std::vector<Link> operators =
        read_link_list(text_between(type_page, GBK("运营商选择："), "tab_v1_1 v2"), "' >");
    ASSERT_EQ(operators.size(), layout->operators.size());
    std::size_t areas_seen = 0;
    for (std::size_t o = 0; o < operators.size(); ++o) {
        EXPECT_EQ(operators[o].name, layout->operators[o].name);
        const std::string operator_page = fetch(operators[o].address);
        const std::vector<Link> areas =
            read_link_list(text_between(operator_page, GBK("游戏区选择："), "nofound"), "' >");
        ASSERT_FALSE(areas.empty());
        for (const Link& area : areas) {
            // Each operator lists its own areas, named after it.
            EXPECT_EQ(area.name.rfind(layout->operators[o].name, 0), 0u) << gbk_to_utf8(area.name);
        }
        areas_seen += areas.size();
    }
    EXPECT_EQ(areas_seen, layout->areas.size());
}

TEST(SearchPages, AddressesOutsideTheSiteAreNotFound) {
    const Game& game = first_game(false);
    const std::string bad[] = {
        "/search/0.shtml",
        "/search/" + game.id + "/t99.shtml",
        "/search/" + game.id + "/t1-a1.shtml",
        "/search/" + game.id + "/t1-o1.shtml",
        "/search/" + game.id + "/t1-a" + world().layout(game)->areas[0].id + "-s1-0-0-0-0.shtml",
        "/search/" + game.id + ".html",
        "/search/%00.shtml",
    };
    for (const std::string& path : bad) {
        EXPECT_EQ(http_get(shared_demo(), path).status, 404) << path;
    }
}

}  // namespace
}  // namespace quvolo::demo
