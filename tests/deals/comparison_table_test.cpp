#include <gtest/gtest.h>

#include "deal_fixtures.h"
#include "deals/comparison_table.h"
#include "deals/deal_address.h"
#include "deals/header_sort.h"

namespace quvolo::testing {
namespace {

struct ComparisonRig : CrawlRig {
    ui::ReportList& table() { return c.comparison.统计列表; }
    void add() {
        add_comparison_row(table(), c.deal.成交信息, figures(), desktop,
                           [] { return kFinishedAt; });
    }
    std::vector<std::string> row(int index) {
        std::vector<std::string> cells;
        for (int column = 0; column < table().column_count(); ++column) {
            cells.push_back(utf8(table().cell(index, column)));
        }
        return cells;
    }
};

TEST(ComparisonTable, AddsTheFiguresShownAsTheNewTopRow) {
    ComparisonRig rig;
    rig.add();
    EXPECT_EQ(rig.row(0), (std::vector<std::string>{"1", "", "", "-", "-", "-", "-", "-", "", "",
                                                    "2024年1月6日9时30分"}));
    FixtureDeal d = deal("A", "1,000", "2元/件");
    d.place = "星河/一区/紫禁城";
    d.type = "装备";
    rig.crawl_one_page({d, deal("B", "5", "1元/件")});
    rig.add();
    EXPECT_EQ(rig.row(0),
              (std::vector<std::string>{"2", "星河/一区/紫禁城", "装备", "5", "1000", "1", "2",
                                        "1.5", "2 ", "1005 ", "2024年1月6日9时30分"}));
    const auto boxes = rig.desktop.boxes();
    const auto& box = boxes.back();
    EXPECT_EQ(utf8(box.text), "你确定要将当前信息添加到成交量统计吗？");
    EXPECT_EQ(utf8(box.title), "Tovana数据查询分析 提醒您！");
    EXPECT_EQ(box.buttons, ui::MessageButtons::yes_no);
}

TEST(ComparisonTable, DeletingKeepsTheOtherNumbersSoANumberCanRecur) {
    ComparisonRig rig;
    rig.add();
    rig.add();
    rig.add();
    delete_selected_comparison_row(rig.table(), rig.desktop);
    EXPECT_EQ(rig.table().row_count(), 3) << "nothing selected";
    rig.table().select_row(0);
    delete_selected_comparison_row(rig.table(), rig.desktop);
    rig.add();
    EXPECT_EQ(column_texts(rig.table(), 0), (std::vector<std::string>{"3", "2", "1"}));
    rig.table().select_row(2);
    delete_selected_comparison_row(rig.table(), rig.desktop);
    EXPECT_EQ(column_texts(rig.table(), 0), (std::vector<std::string>{"3", "2"}));
    clear_comparison_table(rig.table(), rig.desktop);
    EXPECT_EQ(rig.table().row_count(), 0);
}

TEST(ComparisonTable, NoToAnyQuestionChangesNothing) {
    ComparisonRig rig;
    rig.add();
    rig.table().select_row(0);
    for (auto action :
         {+[](ComparisonRig& r) { r.add(); },
          +[](ComparisonRig& r) { delete_selected_comparison_row(r.table(), r.desktop); },
          +[](ComparisonRig& r) { clear_comparison_table(r.table(), r.desktop); }}) {
        rig.desktop.answer_next_box(ui::MessageAnswer::no);
        action(rig);
        EXPECT_EQ(rig.table().row_count(), 1);
    }
}

TEST(ComparisonTable, HeaderClicksSortAscendingByEachColumnsKind) {
    ComparisonRig rig;
    const std::vector<std::vector<std::string>> rows{
        {"1", "b", "x", "10", "", "", "", "", "", "", "2024年1月5日10时"},
        {"2", "A", "x", "9", "", "", "", "", "", "", "2024年1月5日9时"},
        {"3", "a", "x", "1,250", "", "", "", "", "", "", "2023年12月31日"},
    };
    for (const auto& cells : rows) {
        const int row = rig.table().insert_row(-1, cells[0]);
        for (int column = 1; column < 11; ++column) {
            rig.table().set_cell(row, column, gbk(cells[column]));
        }
    }
    const struct {
        int column;
        std::vector<std::string> first_column;
    } clicks[] = {
        {3, {"2", "1", "3"}},   // numbers, thousands separators skipped
        {10, {"3", "2", "1"}},  // date-times, not texts
        {1, {"3", "2", "1"}},   // letter case ignored: a and A tie, A (0x41) not first
        {0, {"1", "2", "3"}},
    };
    for (const auto& click : clicks) {
        sort_comparison_table_by_header(rig.table(), click.column);
        EXPECT_EQ(column_texts(rig.table(), 0), click.first_column) << click.column;
    }
}

TEST(DealListHeader, FlipsBetweenAscendingAndDescendingWhicheverColumnIsClicked) {
    CrawlRig rig;
    rig.crawl_one_page(
        {deal("A", "1,250", "1元/金"), deal("B", "300", "1元/金"), deal("C", "2,000", "1元/金")});
    ui::ReportList& deals = rig.c.deal.成交信息;
    ui::Label& direction = rig.c.deal.透明标签_排序;
    const struct {
        int column;
        std::vector<std::string> names;
        const char* direction;
    } clicks[] = {
        {4, {"B", "A", "C"}, "升"},
        {4, {"C", "A", "B"}, "降"},
        {7, {"C", "A", "B"}, "升"},  // the address column only flips the label
        {1, {"C", "B", "A"}, "降"},
    };
    for (const auto& click : clicks) {
        sort_deal_list_by_header(deals, direction, click.column);
        EXPECT_EQ(column_texts(deals, 1), click.names) << click.column;
        EXPECT_EQ(utf8(direction.caption()), click.direction) << click.column;
    }
}

TEST(DealPageAddress, OnlyWebAddressesReachTheBrowser) {
    const struct {
        const char* cell;
        const char* opened;
    } cases[] = {
        {"http://t.test/detail/1.shtml", "http://t.test/detail/1.shtml"},
        {"HTTPS://t.test/a", "HTTPS://t.test/a"},
        {"/detail/7/42.shtml", "http://trade.test/detail/7/42.shtml"},
        {"detail.aspx?id=3", "http://trade.test/list/detail.aspx?id=3"},
        {"?pg=2", "http://trade.test/list/viewlastestdeallist.aspx?pg=2"},
        {"//cdn.test/a", "http://cdn.test/a"},
        {"javascript:alert(1)", ""},
        {"file:///etc/passwd", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(deal_page_address(c.cell, kHost), c.opened) << c.cell;
    }
}

TEST(DealPageAddress, TheMenuOpensTheSelectedDealOnly) {
    CrawlRig rig;
    FixtureDeal d = deal("A", "1", "1元/金");
    d.address = "/detail/9.shtml";
    rig.crawl_one_page({d, deal("B", "1", "1元/金")});
    open_selected_deal(rig.c.deal.成交信息, kHost, rig.desktop);
    EXPECT_TRUE(rig.desktop.opened_urls().empty());
    rig.c.deal.成交信息.select_row(0);
    open_selected_deal(rig.c.deal.成交信息, kHost, rig.desktop);
    EXPECT_EQ(rig.desktop.opened_urls(),
              std::vector<std::string>{"http://trade.test/detail/9.shtml"});
}

}  // namespace
}  // namespace quvolo::testing
