#include <gtest/gtest.h>

#include "deal_fixtures.h"
#include "deals/deal_page.h"
#include "text/text_between.h"

namespace quvolo::testing {
namespace {

TEST(DealPage, PageCountFromThePager) {
    const struct {
        const char* page;
        std::int64_t count;
    } cases[] = {
        {"<li>共 200 单，共 3 页</li>", 3},
        {"单，共 1 2 页", 12},
        {"no pager at all", 0},
        {"单，共 x 页", 0},
        {"单，共 -4 页", 0},
        {"单，共 99999999999 页", kMostDealPages},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(deal_page_count(gbk(c.page)), c.count) << c.page;
    }
}

TEST(DealPage, OnePiecePerDealWithoutATrailingEmptyOne) {
    EXPECT_EQ(deal_pieces(deal_page({{}, {}, {}}, 1, 3)).size(), 3u);
    // The block ends right at a separator: no empty deal after it.
    const std::string page =
        gbk(">成交时间</li>A </div><div class=\"listmain\">B </div><div class=\"listmain"
            "<div class=\"pagebox beta\">");
    EXPECT_EQ(deal_pieces(page).size(), 2u);
    EXPECT_TRUE(deal_pieces(gbk("<div class=\"pagebox beta\">")).empty());
}

TEST(DealPage, APageGivesNoMoreDealsThanTheBound) {
    const auto numbered = [](std::size_t count) {
        std::vector<FixtureDeal> deals(count);
        for (std::size_t i = 0; i < count; ++i) {
            deals[i].name = "第" + std::to_string(i + 1) + "单";
        }
        return deals;
    };
    std::string repeated_separator = gbk(">成交时间</li>");
    for (int i = 0; i < 1'000'000; ++i) {
        repeated_separator += " </div><div class=\"listmain";
    }
    repeated_separator += "<div class=\"pagebox beta\">";
    const struct {
        const char* what;
        std::string page;
        std::size_t pieces;
        std::string last_name;  // of the last piece kept
    } cases[] = {
        {"a full page", deal_page(numbered(80), 1, 80), 80, "第80单"},
        {"the bound", deal_page(numbered(kMostDealsPerPage), 1, 0), kMostDealsPerPage, "第200单"},
        {"one more", deal_page(numbered(kMostDealsPerPage + 1), 1, 0), kMostDealsPerPage,
         "第200单"},
        {"the separator a million times", repeated_separator, kMostDealsPerPage, ""},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> pieces = deal_pieces(c.page);
        ASSERT_EQ(pieces.size(), c.pieces) << c.what;
        EXPECT_EQ(utf8(text_between(pieces.back(), "_blank\">", "</a>")), c.last_name) << c.what;
    }
}

TEST(DealPage, CellsAreCutAsThePageWritesThem) {
    FixtureDeal deal;
    deal.name = "1000万金 急售";
    deal.address = "/detail/7/42.shtml";
    deal.place = "梦幻/电信一区/紫禁城/仙族";
    deal.type = "游戏币";
    deal.price = "1,250.50";
    deal.unit_price = "0.0125元/金";
    deal.time = "2024-01-05 08:09:10";
    const std::string piece = deal_pieces(deal_page({deal}, 1, 1)).at(0);
    std::map<int, std::string> cells;
    for (const DealField& field : deal_field_passes()) {
        cells[field.column] = utf8(text_between(piece, field.left, field.right));
    }
    const std::map<int, std::string> expected{{1, "1000万金 急售"},
                                              {2, "梦幻/电信一区/紫禁城/仙族"},
                                              {3, "游戏币"},
                                              {4, "1,250.50"},
                                              {5, "0.0125元/金"},
                                              {6, "24-01-05 08:09:10"},
                                              {7, "/detail/7/42.shtml"}};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(price_value(gbk("1,250.50")), "1250.50");
    EXPECT_EQ(unit_price_value(gbk("0.0125元/金")), "0.0125");
    EXPECT_EQ(unit_price_value("--"), "");
}

TEST(DealPage, DealCountComesFromTheFooter) {
    EXPECT_EQ(deal_count_text(deal_page({}, 0, 0)), "0");
    EXPECT_EQ(deal_count_text(deal_page({{}}, 3, 161)), "161");
    EXPECT_EQ(deal_count_text("<html></html>"), "");
}

}  // namespace
}  // namespace quvolo::testing
