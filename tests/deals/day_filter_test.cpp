#include <gtest/gtest.h>

#include "deal_fixtures.h"
#include "deals/day_filter.h"
#include "deals/deal_summary.h"

namespace quvolo::testing {
namespace {

TEST(DealDay, ReadsTheCalendarDayOfADealTime) {
    const struct {
        const char* cell;
        std::optional<DateTime> day;
    } cases[] = {
        {"24-01-05 12:00:00", DateTime{2024, 1, 5}},
        {"2024-01-05 08:09", DateTime{2024, 1, 5}},
        {"24/1/5", DateTime{2024, 1, 5}},
        {"2024年1月5日12时", DateTime{2024, 1, 5}},
        {"11-05-20 10:00:00", DateTime{2011, 5, 20}},
        {"2024-01-0512", std::nullopt},
        {"024-01-05", std::nullopt},
        {"yesterday", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(deal_day(gbk(c.cell)), c.day) << c.cell;
    }
}

struct FilterRig : CrawlRig {
    FilterRig() {
        const char* times[] = {"2024-01-05 10:00:00", "2024-11-05 10:00:00", "2011-05-20 10:00:00",
                               "2024-01-05 23:59:59", "2023-01-05 10:00:00"};
        std::vector<FixtureDeal> deals;
        int price = 10;
        for (const char* time : times) {
            FixtureDeal d = deal(time, std::to_string(price), std::to_string(price) + "元/金");
            d.time = time;
            deals.push_back(d);
            price += 10;
        }
        crawl_one_page(deals);
    }

    void filter(const DateTime& day) {
        filter_deals_by_date(day_filter(), day, desktop, [] { return kFinishedAt; });
    }
};

TEST(FilterDealsByDate, KeepsExactlyTheDealsOfTheChosenDay) {
    FilterRig rig;
    rig.filter({2024, 1, 5});
    EXPECT_EQ(column_texts(rig.c.deal.成交信息, 1),
              (std::vector<std::string>{"2024-01-05 10:00:00", "2024-01-05 23:59:59"}));
    EXPECT_EQ(rig.figure_texts(),
              (std::vector<std::string>{"2 笔", "50 元", "10", "40", "10", "40", "25"}));
    EXPECT_EQ(utf8(rig.c.状态条1.part(1)), "查询完毕！");
    EXPECT_TRUE(rig.desktop.boxes().empty());
}

TEST(FilterDealsByDate, EachFilterStartsFromTheWholeCrawl) {
    FilterRig rig;
    rig.filter({2024, 1, 5});
    rig.filter({2024, 11, 5});
    EXPECT_EQ(column_texts(rig.c.deal.成交信息, 1),
              std::vector<std::string>{"2024-11-05 10:00:00"});
}

TEST(FilterDealsByDate, ADayWithoutDealsWarnsAndKeepsTheFigures) {
    FilterRig rig;
    const auto before = rig.figure_texts();
    rig.filter({2024, 1, 6});
    ASSERT_EQ(rig.desktop.boxes().size(), 1u);
    EXPECT_EQ(utf8(rig.desktop.boxes()[0].text), "无法查询到当前日期交易量！");
    EXPECT_EQ(rig.c.deal.成交信息.row_count(), 0);
    EXPECT_EQ(rig.figure_texts(), before);
    EXPECT_EQ(utf8(rig.c.状态条1.part(1)), "查询中...");
}

TEST(RestoreDealQuery, BringsBackTheWholeCrawlAndItsFigures) {
    FilterRig rig;
    const auto rows = rig.c.deal.成交信息.rows();
    const auto figures = rig.figure_texts();
    rig.filter({2024, 1, 5});
    restore_deal_query(rig.crawl().snapshot(), rig.state, rig.desktop);
    EXPECT_EQ(rig.c.deal.成交信息.rows(), rows);
    EXPECT_EQ(rig.figure_texts(), figures);
}

TEST(RestoreDealQuery, RefusedUntilACrawlHasFinished) {
    DealTabRig rig;
    ui::ScriptedDesktop desktop;
    DealCrawlState state;
    rig.c.deal.成交信息.insert_row(0, "shown");
    restore_deal_query(rig.crawl().snapshot(), state, desktop);
    ASSERT_EQ(desktop.boxes().size(), 1u);
    EXPECT_EQ(utf8(desktop.boxes()[0].text), "请等成交信息获取完毕后再查找！");
    EXPECT_EQ(rig.c.deal.成交信息.row_count(), 1);
}

}  // namespace
}  // namespace quvolo::testing
