#include <gtest/gtest.h>

#include "deal_fixtures.h"
#include "deals/crawl_deals.h"
#include "deals/deal_page.h"

namespace quvolo::testing {
namespace {

TEST(CrawlDeals, ReadsEveryPageAndPutsTheLastReadOnTopNumberedDownToOne) {
    CrawlRig rig;
    rig.choose_game("星河", "101");
    rig.pages.add(page_address(1),
                  deal_page({deal("A1", "10", "0.5元/金"), deal("A2", "1,000", "2元/件"),
                             deal("A3", "20.5", "--")},
                            2, 5));
    rig.pages.add(page_address(2),
                  deal_page({deal("B1", "3", "1.25元/个"), deal("B2", "7", "0.3333元/金")}, 2, 5));
    rig.run();

    EXPECT_EQ(rig.pages.requests(),
              (std::vector<std::string>{page_address(1), page_address(1), page_address(2)}));
    const auto& deals = rig.c.deal.成交信息;
    EXPECT_EQ(column_texts(deals, 0), (std::vector<std::string>{"5", "4", "3", "2", "1"}));
    EXPECT_EQ(column_texts(deals, 1), (std::vector<std::string>{"B1", "B2", "A1", "A2", "A3"}));
    EXPECT_EQ(column_texts(deals, 4), (std::vector<std::string>{"3", "7", "10", "1,000", "20.5"}));
    EXPECT_EQ(rig.figure_texts(),
              (std::vector<std::string>{"5 笔", "1040.5 元", "3", "1000", "", "2", "0.817"}));
    EXPECT_EQ(utf8(rig.c.deal.查询目标.caption()), "星河>>>>>>");
    EXPECT_EQ(utf8(rig.c.状态.caption()), "查询完毕！");
    EXPECT_EQ(utf8(rig.c.状态条1.part(0)),
              "星河 >>  >>  >>    5 笔 定单     统计交易额为：  1040.5  元");
    EXPECT_EQ(utf8(rig.c.状态条1.part(1)), "查询完毕！");
    EXPECT_EQ(utf8(rig.c.状态条1.part(2)), "2024年1月6日9时30分");
    EXPECT_EQ(rig.c.deal.成交信息复制.rows(), deals.rows());
    EXPECT_EQ(utf8(rig.c.deal.透明标签_平均.caption()), "0.817");
    EXPECT_EQ(rig.pacer.pauses(), 2);
    EXPECT_FALSE(rig.state.busy);
    EXPECT_TRUE(rig.state.finished);
}

TEST(CrawlDeals, ASinglePageIsReadOnce) {
    CrawlRig rig;
    rig.choose_game("星河", "101");
    rig.pages.add(page_address(1), deal_page({deal("A1", "10", "1元/金")}, 1, 1));
    rig.run();
    EXPECT_EQ(rig.pages.requests(), std::vector<std::string>{page_address(1)});
    EXPECT_EQ(rig.c.deal.成交信息.row_count(), 1);
}

TEST(CrawlDeals, TheChosenIdentifiersMakeTheAddressAndMissingChoicesMeanAll) {
    CrawlRig rig;
    rig.choose_game("星河", "101");
    rig.c.deal.游戏分区_大区_隐.append("7");
    rig.c.deal.游戏分区_大区_隐.select(0);
    rig.c.deal.商品类型_类型_隐.append("3");
    rig.c.deal.商品类型_类型_隐.select(0);
    rig.run();
    EXPECT_EQ(rig.pages.requests(),
              std::vector<std::string>{page_address(1, {"101", "7", "-1", "3"})});
}

TEST(CrawlDeals, WithoutAGameItWarnsAndLeavesTheRowsButNotTheTarget) {
    CrawlRig rig;
    rig.c.deal.成交信息.insert_row(0, "earlier");
    rig.c.deal.游戏列表_游戏名_显.append(gbk("星河"));
    rig.c.deal.游戏列表_游戏名_显.select(0);
    rig.run();
    ASSERT_EQ(rig.desktop.boxes().size(), 1u);
    EXPECT_EQ(utf8(rig.desktop.boxes()[0].text), "请选择你们要查询的游戏！");
    EXPECT_EQ(utf8(rig.desktop.boxes()[0].title), "警告");
    EXPECT_EQ(rig.c.deal.成交信息.row_count(), 1);
    EXPECT_EQ(utf8(rig.c.deal.查询目标.caption()), "星河>>>>>>");
    EXPECT_EQ(utf8(rig.c.状态.caption()), "正在查询，请等待.....");
    EXPECT_TRUE(rig.pages.requests().empty());
    EXPECT_FALSE(rig.state.busy);
    EXPECT_FALSE(rig.state.finished);
}

TEST(CrawlDeals, AFailedFirstPageSummarizesNothing) {
    CrawlRig rig;
    rig.choose_game("星河", "101");
    rig.c.deal.成交信息.insert_row(0, "earlier");
    rig.run();
    EXPECT_EQ(rig.c.deal.成交信息.row_count(), 0);
    EXPECT_EQ(rig.figure_texts(), (std::vector<std::string>{" 笔", " 元", "", "", "", "", ""}));
    EXPECT_TRUE(rig.state.finished);
}

TEST(CrawlDeals, AFailedLaterPageAddsNoRowsAndTheCountComesFromTheLastFooter) {
    CrawlRig rig;
    rig.choose_game("星河", "101");
    rig.pages.add(page_address(1), deal_page({deal("A1", "1", "1元/金")}, 3, 240));
    rig.pages.add(page_address(3), deal_page({deal("C1", "2", "1元/金")}, 3, 161));
    rig.run();
    EXPECT_EQ(column_texts(rig.c.deal.成交信息, 1), (std::vector<std::string>{"C1", "A1"}));
    EXPECT_EQ(column_texts(rig.c.deal.成交信息, 0), (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(utf8(rig.c.deal.标签_交易笔数.caption()), "161 笔");
}

TEST(CrawlDeals, AStopEndsTheCrawlWithoutASummaryAndReleasesIt) {
    CrawlRig rig;
    rig.choose_game("星河", "101");
    std::stop_source stop;
    rig.pages.add(page_address(1), deal_page({deal("A1", "1", "1元/金")}, 3, 3));
    PageReader fixture = rig.pages.reader();
    rig.state.claim();
    crawl_deals(rig.crawl(), rig.state,
                {kHost,
                 [&](const std::string& address, std::stop_token token) {
                     if (address == page_address(2)) {
                         stop.request_stop();
                     }
                     return fixture(address, token);
                 },
                 rig.desktop, rig.pacer, stop.get_token()});
    EXPECT_EQ(rig.pages.requests().size(), 3u);
    EXPECT_NE(utf8(rig.c.状态.caption()), "查询完毕！");
    EXPECT_FALSE(rig.state.busy);
    EXPECT_FALSE(rig.state.finished);
}

}  // namespace
}  // namespace quvolo::testing
