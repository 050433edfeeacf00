#include <gtest/gtest.h>

#include <regex>

#include "deal_cutting.h"
#include "demo/calendar.h"
#include "demo_test_server.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "text/numbers.h"
#include "text/split.h"
#include "text/text_between.h"

namespace quvolo::demo {
namespace {

const GameWorld& world() {
    return shared_demo().site().data().world;
}

CutDealPage read_page(const std::string& game, const std::string& area, const std::string& server,
                      const std::string& type, int page) {
    const HttpAnswer answer =
        http_get(shared_demo(), deal_list_address(game, area, server, type, page));
    EXPECT_EQ(answer.status, 200);
    return cut_deal_page(answer.body);
}

// Every deal of a query, page after page, as the crawl reads them.
std::vector<CutDeal> read_all(const std::string& game, const std::string& area,
                              const std::string& server, const std::string& type,
                              int* footer_count = nullptr) {
    const CutDealPage first = read_page(game, area, server, type, 1);
    std::vector<CutDeal> deals;
    for (int p = 1; p <= first.page_count; ++p) {
        const CutDealPage page = p == 1 ? first : read_page(game, area, server, type, p);
        EXPECT_EQ(page.deals.size(), p < first.page_count ? 80u : page.deals.size()) << p;
        deals.insert(deals.end(), page.deals.begin(), page.deals.end());
    }
    if (footer_count)
        *footer_count = static_cast<int>(text_to_integer(first.footer_count));
    return deals;
}

std::int64_t deal_day(const CutDeal& deal) {
    CalendarDate date;
    std::sscanf(("20" + deal.time).c_str(), "%d-%d-%d", &date.year, &date.month, &date.day);
    return is_valid_date(date) ? day_number(date) : -1;
}

TEST(DealPages, EveryFieldOfAPageCutsIntoABelievableDeal) {
    const Game& game = *world().by_trade()[0];
    const auto layout = world().layout(game);
    const std::regex price_form(R"(^(0|[1-9][0-9]{0,2}(,[0-9]{3})*)(\.[0-9]{1,2})?$)");
    const std::regex time_form(R"(^[0-9]{2}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$)");
    const std::int64_t today = day_number(kTestToday);
    int priced_over_999 = 0, without_unit = 0;
    for (int p : {1, 2, 17}) {
        const CutDealPage page = read_page(game.id, "-1", "-1", "-1", p);
        ASSERT_EQ(page.deals.size(), 80u);
        for (const CutDeal& deal : page.deals) {
            EXPECT_FALSE(deal.name.empty());
            EXPECT_EQ(deal.place.rfind(game.name + "/", 0), 0u) << gbk_to_utf8(deal.place);
            bool known_type = false;
            for (int t : layout->goods_types)
                known_type |= goods_type_table()[t].name == deal.type;
            EXPECT_TRUE(known_type) << gbk_to_utf8(deal.type);
            EXPECT_TRUE(std::regex_match(deal.price, price_form)) << deal.price;
            if (text_to_number(replace_all(deal.price, ",", "")) > 999) {
                ++priced_over_999;
                EXPECT_NE(deal.price.find(','), std::string::npos) << deal.price;
            }
            if (deal.unit_price == "--") {
                ++without_unit;
            } else {
                const std::string number =
                    deal.unit_price.substr(0, deal.unit_price.find(GBK("元")));
                EXPECT_GT(text_to_number(number), 0) << gbk_to_utf8(deal.unit_price);
                EXPECT_NE(deal.unit_price.find(GBK("元/")), std::string::npos);
            }
            EXPECT_TRUE(std::regex_match(deal.time, time_form)) << deal.time;
            const std::int64_t day = deal_day(deal);
            EXPECT_GE(day, today - 42);
            EXPECT_LT(day, today);
            EXPECT_EQ(deal.address.rfind(shared_demo().base_url() + "/detail/", 0), 0u);
        }
    }
    EXPECT_GT(priced_over_999, 0);
    bool sells_by_piece = false;
    for (int t : layout->goods_types) {
        const GoodsKind kind = goods_type_table()[t].kind;
        sells_by_piece |= kind == GoodsKind::account || kind == GoodsKind::card ||
                          kind == GoodsKind::service || kind == GoodsKind::other;
    }
    EXPECT_EQ(without_unit > 0, sells_by_piece);
}

TEST(DealPages, FooterCountAgreesWithTheRowsOfAllPagesNewestFirst) {
    // A busy game, a middling one and a quiet one.
    for (std::size_t rank : {3u, 25u, 150u}) {
        const Game& game = *world().by_trade()[rank];
        int footer = -1;
        const std::vector<CutDeal> deals = read_all(game.id, "-1", "-1", "-1", &footer);
        EXPECT_EQ(static_cast<int>(deals.size()), footer) << game.id;
        for (std::size_t i = 1; i < deals.size(); ++i) {
            EXPECT_GE(deals[i - 1].time, deals[i].time) << "row " << i;
        }
    }
}

TEST(DealPages, NarrowerFiltersSplitTheWholeWithoutLoss) {
    const Game& game = *world().by_trade()[4];
    const auto layout = world().layout(game);
    int whole = 0;
    read_all(game.id, "-1", "-1", "-1", &whole);
    ASSERT_GT(whole, 0);
    int by_areas = 0;
    for (const AreaInfo& area : layout->areas) {
        by_areas += text_to_integer(read_page(game.id, area.id, "-1", "-1", 1).footer_count);
    }
    EXPECT_EQ(by_areas, whole);
    int by_types = 0;
    for (int t : layout->goods_types) {
        by_types += text_to_integer(
            read_page(game.id, "-1", "-1", goods_type_table()[t].id, 1).footer_count);
    }
    EXPECT_EQ(by_types, whole);

    const AreaInfo& area = layout->areas[0];
    const std::vector<CutDeal> area_deals = read_all(game.id, area.id, "-1", "-1");
    std::size_t by_servers = 0;
    for (const ServerInfo& server : area.servers) {
        const std::vector<CutDeal> server_deals = read_all(game.id, area.id, server.id, "-1");
        by_servers += server_deals.size();
        // The server's deals are the area's deals on that server, in the same order.
        std::vector<std::string> expected;
        for (const CutDeal& deal : area_deals) {
            if (deal.place.find("/" + server.name) != std::string::npos) {
                expected.push_back(deal.address);
            }
        }
        std::vector<std::string> got;
        for (const CutDeal& deal : server_deals)
            got.push_back(deal.address);
        EXPECT_EQ(got, expected) << gbk_to_utf8(server.name);
    }
    EXPECT_EQ(by_servers, area_deals.size());
    // A server named with the area "-1" is the same list.
    EXPECT_EQ(read_page(game.id, "-1", area.servers[0].id, "-1", 1).footer_count,
              read_page(game.id, area.id, area.servers[0].id, "-1", 1).footer_count);
}

TEST(DealPages, OtherSpellingsOfTheQueryGiveTheSameList) {
    const Game& game = *world().by_trade()[8];
    const std::string reference =
        http_get(shared_demo(), deal_list_address(game.id, "-1", "-1", "-1", 2)).body;
    const std::string tail = "&raceid=-1&ga=-1&gs=-1&bt=-1&sort=-1&section=-1_-1&pg=2&ps=80";
    const std::string variants[] = {
        "/list/ViewLastestDealList.aspx?ts=consignment&offerid=&gm=" + game.id + tail,
        "/list/viewlastestdeallist.aspx?ts=-1&offerid=&gm=" + game.id + tail,
    };
    for (const std::string& address : variants) {
        const std::string page = http_get(shared_demo(), address).body;
        EXPECT_EQ(text_between(page, GBK(">成交时间</li>"), "<div class=\"pagebox beta\">"),
                  text_between(reference, GBK(">成交时间</li>"), "<div class=\"pagebox beta\">"))
            << address;
        EXPECT_EQ(cut_deal_page(page).footer_count, cut_deal_page(reference).footer_count);
    }
}

TEST(DealPages, QueriesWithoutDealsPrintZeroPages) {
    const Game& game = *world().by_trade()[0];
    struct Case {
        const char* what;
        std::string address;
    };
    const Case cases[] = {
        {"unknown game", deal_list_address("424242", "-1", "-1", "-1", 1)},
        {"empty game", deal_list_address("", "-1", "-1", "-1", 1)},
        {"area of no game", deal_list_address(game.id, "77", "-1", "-1", 1)},
        {"goods type the game lacks", deal_list_address(game.id, "-1", "-1", "99", 1)},
    };
    for (const Case& c : cases) {
        const HttpAnswer answer = http_get(shared_demo(), c.address);
        EXPECT_EQ(answer.status, 200) << c.what;
        const CutDealPage page = cut_deal_page(answer.body);
        EXPECT_EQ(page.page_count, 0) << c.what;
        EXPECT_EQ(page.footer_count, "0") << c.what;
        EXPECT_TRUE(page.deals.empty()) << c.what;
    }
    // A page past the last one has the footer but no rows.
    const CutDealPage first = read_page(game.id, "-1", "-1", "-1", 1);
    const CutDealPage past = read_page(game.id, "-1", "-1", "-1", first.page_count + 1);
    EXPECT_TRUE(past.deals.empty());
    EXPECT_EQ(past.footer_count, first.footer_count);
}

TEST(DealPages, ADealsAddressOpensThatDeal) {
    const Game& game = *world().by_trade()[2];
    const CutDeal deal = read_page(game.id, "-1", "-1", "-1", 3).deals[5];
    const HttpAnswer detail = http_get(shared_demo(), path_of(deal.address));
    ASSERT_EQ(detail.status, 200);
    EXPECT_NE(detail.body.find(deal.name), std::string::npos);
    EXPECT_NE(detail.body.find(deal.price + GBK("元")), std::string::npos);
    EXPECT_NE(detail.body.find("20" + deal.time), std::string::npos);
    EXPECT_EQ(http_get(shared_demo(), "/detail/" + game.id + "/201301010000000000.shtml").status,
              404);
}

}  // namespace
}  // namespace quvolo::demo
