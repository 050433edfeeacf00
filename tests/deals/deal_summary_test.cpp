#include <gtest/gtest.h>

#include "deal_fixtures.h"
#include "deals/deal_summary.h"

namespace quvolo::testing {
namespace {

void fill(ui::ReportList& list, const std::vector<std::string>& values) {
    for (const std::string& value : values) {
        list.insert_row(-1, gbk(value));
    }
}

TEST(SummarizeDeals, FiguresFromTheValueLists) {
    const struct {
        const char* what;
        std::vector<std::string> prices, units;
        // 交易总金额, 最低价, 最高价, 最低单价, 最高单价, 平均单价
        std::vector<std::string> figures;
    } cases[] = {
        {"no deals", {}, {}, {" 元", "", "", "", "", ""}},
        {"numeric order, not text order",
         {"9", "10"},
         {"0.5", "12", "3"},
         {"19 元", "9", "10", "0.5", "12", "5.167"}},
        {"the sum is rounded to 13 digits after every addition",
         {"1234567890123", "0.4", "0.4"},
         {"1"},
         {"1234567890123 元", "0.4", "1234567890123", "1", "1", "1"}},
        {"the average rounds halves away from zero",
         {"1"},
         {"0.0005", "0.001"},
         {"1 元", "1", "1", "0.0005", "0.001", "0.001"}},
        {"negative averages round on their magnitude",
         {"1"},
         {"-0.0025"},
         {"1 元", "1", "1", "-0.0025", "-0.0025", "-0.003"}},
        {"values without a number count and sort as 0",
         {"abc", "5"},
         {"", "2"},
         {"5 元", "abc", "5", "", "2", "1"}},
    };
    for (const auto& c : cases) {
        DealTabRig rig;
        ui::ReportList& prices = rig.c.deal.总合_隐;
        ui::ReportList& units = rig.c.deal.单价_隐;
        fill(prices, c.prices);
        fill(units, c.units);
        summarize_deals(gbk("7 笔"), prices, units, rig.crawl().summary());
        std::vector<std::string> figures = rig.figure_texts();
        EXPECT_EQ(figures[0], "7 笔") << c.what;
        figures.erase(figures.begin());
        EXPECT_EQ(figures, c.figures) << c.what;
    }
}

TEST(SummarizeDeals, LeavesBothListsSortedAscending) {
    DealTabRig rig;
    fill(rig.c.deal.总合_隐, {"30", "4", "100"});
    fill(rig.c.deal.单价_隐, {"2", "1"});
    summarize_deals("", rig.c.deal.总合_隐, rig.c.deal.单价_隐, rig.crawl().summary());
    EXPECT_EQ(column_texts(rig.c.deal.总合_隐, 0), (std::vector<std::string>{"4", "30", "100"}));
    EXPECT_EQ(column_texts(rig.c.deal.单价_隐, 0), (std::vector<std::string>{"1", "2"}));
}

TEST(CopyListRows, AppendsAfterTheRowsAlreadyThere) {
    DealTabRig rig;
    rig.c.deal.成交信息复制.insert_row(-1, "kept");
    rig.c.deal.成交信息.insert_row(-1, "a");
    rig.c.deal.成交信息.set_cell(0, 7, "addr");
    rig.c.deal.成交信息.insert_row(-1, "b");
    copy_list_rows(rig.c.deal.成交信息, rig.c.deal.成交信息复制);
    EXPECT_EQ(column_texts(rig.c.deal.成交信息复制, 0),
              (std::vector<std::string>{"kept", "a", "b"}));
    EXPECT_EQ(rig.c.deal.成交信息复制.cell(1, 7), "addr");
}

}  // namespace
}  // namespace quvolo::testing
