#include <gtest/gtest.h>

#include "demo_test_server.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "text/pattern_matcher.h"

namespace quvolo::demo {
namespace {

// The new-game window's row pattern: CR LF, a tab and 16 spaces before each cell, 12 before
// the row ends.
const std::string kRowPattern =
    "<tr>\r\n\t                <td >(.*?)</td>\r\n\t                <td><a href=\"(.*?)\" "
    "target=\"_blank\" title=\"(.*?)\">(.*?)</a></td>\r\n\t                <td>(.*?)</td>\r\n\t"
    "                <td>(.*?)</td>\r\n\t                <td><a href=\"(.*?)\" "
    "target=\"_blank\">(.*?)</a></td>\r\n\t                <td><a href=\"(.*?)\" "
    "target=\"_blank\">(.*?)</a></td>\r\n\t            ";

std::string test_list_address(int page) {
    return "/testing-list.html?page=" + std::to_string(page) + "&type=0&theme=0&frame=0";
}

TEST(PortalPages, EachTestListPageGivesItsRowsToTheRowPattern) {
    struct Case {
        int page;
        int rows;
    };
    const Case cases[] = {{1, 50}, {2, 50}, {5, 36}, {6, 0}, {40, 0}};
    for (const Case& c : cases) {
        const HttpAnswer answer = http_get(shared_demo(), test_list_address(c.page));
        ASSERT_EQ(answer.status, 200);
        EXPECT_NE(answer.content_type.find("utf-8"), std::string::npos);
        PatternMatcher matcher;
        matcher.run(kRowPattern, utf8_to_gbk(answer.body));
        EXPECT_EQ(matcher.match_count(), c.rows) << "page " << c.page;
        for (int k = 1; k <= matcher.match_count(); ++k) {
            EXPECT_EQ(matcher.submatch_text(k, 1).size(), 10u);  // 2025-05-14
            EXPECT_EQ(matcher.submatch_text(k, 2).rfind("/game/", 0), 0u);
            EXPECT_FALSE(matcher.submatch_text(k, 3).empty());
            EXPECT_FALSE(matcher.submatch_text(k, 5).empty());
            const std::string code = matcher.submatch_text(k, 6);
            EXPECT_TRUE(code == GBK("是") || code == GBK("否")) << gbk_to_utf8(code);
            EXPECT_EQ(matcher.submatch_text(k, 7).rfind("http://", 0), 0u);
            EXPECT_FALSE(matcher.submatch_text(k, 8).empty());
            EXPECT_EQ(matcher.submatch_text(k, 9).rfind("http://", 0), 0u);
            EXPECT_FALSE(matcher.submatch_text(k, 10).empty());
        }
    }
}

TEST(PortalPages, SomeTestedGamesAreTradedOnTheMarketplaceAndSomeAreNot) {
    const GameWorld& world = shared_demo().site().data().world;
    int traded = 0, new_games = 0;
    for (int page = 1; page <= 2; ++page) {
        PatternMatcher matcher;
        matcher.run(kRowPattern,
                    utf8_to_gbk(http_get(shared_demo(), test_list_address(page)).body));
        for (int k = 1; k <= matcher.match_count(); ++k) {
            const std::string name = matcher.submatch_text(k, 3);
            bool contained = false;
            for (const Game& game : world.games()) {
                contained |= game.name.find(name) != std::string::npos;
            }
            (contained ? traded : new_games)++;
        }
    }
    EXPECT_GT(traded, 10);
    EXPECT_GT(new_games, 10);
}

TEST(PortalPages, AGamesReviewGiftAndCompanyPagesOpen) {
    PatternMatcher matcher;
    matcher.run(kRowPattern, utf8_to_gbk(http_get(shared_demo(), test_list_address(1)).body));
    ASSERT_GT(matcher.match_count(), 0);
    const std::string review = matcher.submatch_text(1, 2);
    std::string gift = review;
    gift.replace(gift.find("game"), 4, "sche");
    const std::string name_utf8 = gbk_to_utf8(matcher.submatch_text(1, 3));
    for (const std::string& path : {review, gift, path_of(matcher.submatch_text(1, 7)),
                                    path_of(matcher.submatch_text(1, 9))}) {
        const HttpAnswer page = http_get(shared_demo(), path);
        EXPECT_EQ(page.status, 200) << path;
    }
    EXPECT_NE(http_get(shared_demo(), review).body.find(name_utf8), std::string::npos);
    EXPECT_EQ(http_get(shared_demo(), "/game/1/").status, 404);
    EXPECT_EQ(http_get(shared_demo(), "/company/0/").status, 404);
}

}  // namespace
}  // namespace quvolo::demo
