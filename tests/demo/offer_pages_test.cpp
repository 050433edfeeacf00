#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "demo_test_server.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "text/numbers.h"
#include "text/split.h"
#include "text/text_between.h"

namespace quvolo::demo {
namespace {

struct CutOffer {
    std::string method, name, type, price, unit_price, unit_number, address;
};

struct CutOfferPage {
    int page_count = 0;
    std::vector<CutOffer> offers;
};

// As the open-offer query reads a page.
CutOfferPage cut_offer_page(const std::string& page) {
    CutOfferPage cut;
    cut.page_count =
        static_cast<int>(text_to_integer(text_between(page, "pagerBottom_input&#39;,", ")")));
    const std::string block = text_between(page, "<div class=\"sin_pdlbox\" >", "<form method=");
    for (const std::string& piece : split_text(block, "sin_pdlbox")) {
        CutOffer offer;
        const std::string icon = text_between(piece, "<li class=\"tt\"><span class=\"", "\"");
        offer.method = icon == "ico_ji" ? GBK("寄") : icon == "ico_bao" ? GBK("保") : "";
        offer.name = text_between(piece, "_blank\">", "</a></li>");
        offer.type = text_between(piece, GBK("所有商品\">"), "</a></li>");
        offer.price = text_between(piece, "<strong>", "</strong>");
        offer.unit_price = text_between(piece, "</li><li>", "</li>");
        offer.unit_number = text_between(piece, "</li><li>", GBK("元"));
        offer.address = text_between(piece, "<a href=\"", "\"");
        cut.offers.push_back(std::move(offer));
    }
    return cut;
}

std::string numbered_page(const std::string& server_address, int n) {
    return "http://" + text_between(server_address, "http://", "-0-0-0-0") + "-0-0-0-" +
           std::to_string(n) + ".shtml";
}

// The first offer page of a server of the busiest game, found through the search pages.
std::string busiest_server_address(const DemoMarketplace& demo) {
    const GameWorld& world = demo.site().data().world;
    for (const Game* game : world.by_trade()) {
        if (game->web_game)
            continue;
        const auto layout = world.layout(*game);
        return demo.base_url() + "/search/" + game->id + "/t1-a" + layout->areas[0].id + "-s" +
               layout->areas[0].servers[0].id + "-0-0-0-0.shtml";
    }
    return {};
}

TEST(OfferPages, EveryNumberedPageOfAServerCutsIntoOffers) {
    const DemoMarketplace& demo = shared_demo();
    const std::string server = busiest_server_address(demo);
    const std::string first = http_get(demo, path_of(server)).body;
    const int pages = cut_offer_page(first).page_count;
    ASSERT_GE(pages, 2);
    const std::regex price_form(R"(^[1-9][0-9]{0,2}(,[0-9]{3})*\.[0-9]{2}$|^0\.[0-9]{2}$)");
    std::size_t by_consignment = 0, guaranteed = 0;
    for (int n = 1; n <= pages; ++n) {
        const HttpAnswer answer = http_get(demo, path_of(numbered_page(server, n)));
        ASSERT_EQ(answer.status, 200);
        const CutOfferPage page = cut_offer_page(answer.body);
        EXPECT_EQ(page.page_count, pages);
        if (n < pages)
            EXPECT_EQ(page.offers.size(), 20u);
        ASSERT_FALSE(page.offers.empty());
        for (const CutOffer& offer : page.offers) {
            by_consignment += offer.method == GBK("寄");
            guaranteed += offer.method == GBK("保");
            EXPECT_FALSE(offer.name.empty());
            EXPECT_EQ(offer.type, GBK("游戏币"));
            EXPECT_TRUE(std::regex_match(offer.price, price_form)) << offer.price;
            EXPECT_GT(text_to_number(offer.unit_number), 0) << gbk_to_utf8(offer.unit_price);
            EXPECT_NE(offer.unit_price.find(GBK("元/")), std::string::npos);
            EXPECT_EQ(offer.address.rfind(demo.base_url() + "/buy/", 0), 0u);
        }
    }
    EXPECT_GT(by_consignment, 0u);
    EXPECT_GT(guaranteed, 0u);
    // The server's own address is its first page.
    EXPECT_EQ(cut_offer_page(first).offers.size(),
              cut_offer_page(http_get(demo, path_of(numbered_page(server, 1))).body).offers.size());
    EXPECT_TRUE(cut_offer_page(http_get(demo, path_of(numbered_page(server, pages + 1))).body)
                    .offers.empty());
}

TEST(OfferPages, AnOffersAddressOpensThatOffer) {
    const DemoMarketplace& demo = shared_demo();
    const CutOffer offer =
        cut_offer_page(http_get(demo, path_of(busiest_server_address(demo))).body).offers[3];
    const HttpAnswer page = http_get(demo, path_of(offer.address));
    ASSERT_EQ(page.status, 200);
    EXPECT_NE(page.body.find(offer.name), std::string::npos);
    EXPECT_NE(page.body.find(offer.price), std::string::npos);
}

TEST(OfferPages, FirstPageTakesInFreshOffersAndNowAndThenABargain) {
    ManualClock clock;
    DemoOptions options = test_options(clock);
    options.offer_arrival_step = std::chrono::seconds(5);
    options.scale = 1;  // the busiest server then has many pages
    const auto demo = DemoMarketplace::start(options);
    ASSERT_TRUE(demo);
    const std::string server = path_of(busiest_server_address(*demo));

    const std::string before = http_get(*demo, server).body;
    EXPECT_EQ(http_get(*demo, server).body, before) << "the page moves only with the clock";

    // Standing offers fill the pages after the fresh ones; a bargain is well below the
    // cheapest of them.
    const int pages = cut_offer_page(before).page_count;
    ASSERT_GE(pages, 4);
    double cheapest_standing = 1e300;
    for (int n = 3; n <= pages; ++n) {
        for (const CutOffer& offer :
             cut_offer_page(http_get(*demo, path_of(numbered_page(server, n))).body).offers) {
            cheapest_standing = std::min(cheapest_standing, text_to_number(offer.unit_number));
        }
    }

    int changes = 0;
    bool bargain = false;
    std::string previous_top = cut_offer_page(before).offers[0].address;
    for (int step = 0; step < 120 && !(bargain && changes > 3); ++step) {
        clock.unix_seconds += 5;
        const CutOfferPage page = cut_offer_page(http_get(*demo, server).body);
        ASSERT_FALSE(page.offers.empty());
        if (page.offers[0].address != previous_top)
            ++changes;
        previous_top = page.offers[0].address;
        for (const CutOffer& offer : page.offers) {
            bargain |= text_to_number(offer.unit_number) < 0.85 * cheapest_standing;
        }
    }
    EXPECT_GT(changes, 3);
    EXPECT_TRUE(bargain);
}

}  // namespace
}  // namespace quvolo::demo
