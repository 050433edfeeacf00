#include <gtest/gtest.h>

#include <algorithm>

#include "app/deal_tab_handlers.h"
#include "deals/crawl_deals.h"
#include "deals/day_filter.h"
#include "deals/deal_page.h"
#include "deals/sort_keys.h"
#include "demo_fixture.h"
#include "net/fetch.h"
#include "text/numbers.h"

namespace quvolo::testing {
namespace {

TEST(DealQueryOnDemo, EveryPageIsReadWithTheLastOnTopAndTheFiguresMatchTheRows) {
    CrawlRig rig;
    const int game = load_catalogue_and_find_game(rig, 3);
    ASSERT_GE(game, 0);
    rig.c.deal.游戏列表_游戏名_显.select(game);
    rig.c.deal.游戏列表_游戏名_编号.select(game);
    const DealQueryIds ids{rig.c.deal.游戏列表_游戏名_编号.item(game)};
    const std::string trading = demo_hosts().trading;

    std::vector<std::string> requests;
    rig.state.claim();
    crawl_deals(rig.crawl(), rig.state,
                {trading,
                 [&](const std::string& address, std::stop_token stop) {
                     requests.push_back(address);
                     return fetch_page(address, {}, stoppable(std::move(stop)));
                 },
                 rig.desktop,
                 rig.pacer,
                 {}});

    const int pages = static_cast<int>(requests.size()) - 1;
    ASSERT_GE(pages, 3);
    std::vector<std::string> expected_requests{deal_list_address(trading, ids, 1)};
    std::vector<std::string> expected_names;
    std::vector<std::string> expected_prices;
    ShownDeals last;
    for (int page = 1; page <= pages; ++page) {
        expected_requests.push_back(deal_list_address(trading, ids, page));
    }
    for (int page = pages; page >= 1; --page) {
        const ShownDeals shown = read_deal_page(deal_list_address(trading, ids, page));
        expected_names.insert(expected_names.end(), shown.names.begin(), shown.names.end());
        expected_prices.insert(expected_prices.end(), shown.prices.begin(), shown.prices.end());
        if (page == pages) {
            last = shown;
        }
    }
    EXPECT_EQ(requests, expected_requests);
    EXPECT_EQ(column_texts(rig.c.deal.成交信息, 1), expected_names);

    const std::vector<std::string> numbers = column_texts(rig.c.deal.成交信息, 0);
    for (std::size_t row = 0; row < numbers.size(); ++row) {
        ASSERT_EQ(numbers[row], std::to_string(numbers.size() - row));
    }
    double sum = 0;
    double lowest = 1e300;
    double highest = -1e300;
    for (const std::string& price : expected_prices) {
        const double value = text_to_number(price_value(price));
        sum += value;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    const std::vector<std::string> figures = rig.figure_texts();
    EXPECT_EQ(figures[0], last.total + " 笔");
    EXPECT_EQ(last.total, std::to_string(numbers.size()));
    EXPECT_NEAR(text_to_number(figures[1]), sum, 1e-6 * sum);
    EXPECT_EQ(text_to_number(figures[2]), lowest);
    EXPECT_EQ(text_to_number(figures[3]), highest);
    EXPECT_EQ(rig.c.deal.成交信息复制.rows(), rig.c.deal.成交信息.rows());
    EXPECT_EQ(rig.pacer.pauses(), pages);
}

TEST(DealQueryOnDemo, ATraderChoosesNarrowsRestoresSortsAndCollects) {
    HandlerRig rig;
    const int game = load_catalogue_and_find_game(rig, 2);
    ASSERT_GE(game, 0);
    DealTabControls& tab = rig.c.deal;
    rig.choose(tab.游戏列表_游戏名_显, game, &DealTabHandlers::game_chosen);
    ASSERT_GT(tab.游戏分区_大区_显.count(), 0);
    ASSERT_GT(tab.商品类型_类型_显.count(), 0);
    rig.choose(tab.游戏分区_大区_显, 0, &DealTabHandlers::area_chosen);
    ASSERT_GT(tab.游戏伺服_服务器_显.count(), 0);
    rig.choose(tab.游戏伺服_服务器_显, 0, &DealTabHandlers::server_chosen);
    rig.handlers.crawl_clicked();
    rig.tasks.wait_all();
    ASSERT_GT(tab.成交信息.row_count(), 0) << "the first server has deals";

    // The goods type of the newest deal narrows the query further.
    const std::string type = tab.成交信息.cell(0, 3);
    const auto& types = tab.商品类型_类型_显;
    int type_index = 0;
    while (type_index < types.count() && types.item(type_index) != type) {
        ++type_index;
    }
    ASSERT_LT(type_index, types.count());
    rig.choose(tab.商品类型_类型_显, type_index, &DealTabHandlers::type_chosen);
    rig.handlers.crawl_clicked();
    rig.tasks.wait_all();

    const std::string place = tab.游戏列表_游戏名_显.item(game) + "/" +
                              tab.游戏分区_大区_显.item(0) + "/" + tab.游戏伺服_服务器_显.item(0);
    const int rows = tab.成交信息.row_count();
    ASSERT_GT(rows, 0);
    for (int row = 0; row < rows; ++row) {
        ASSERT_TRUE(tab.成交信息.cell(row, 2).starts_with(place)) << row;
        ASSERT_EQ(tab.成交信息.cell(row, 3), type) << row;
    }
    EXPECT_EQ(utf8(tab.标签_交易笔数.caption()), std::to_string(rows) + " 笔");
    EXPECT_EQ(tab.查询目标.caption(), tab.游戏列表_游戏名_显.item(game) + ">>" +
                                          tab.游戏分区_大区_显.item(0) + ">>" +
                                          tab.游戏伺服_服务器_显.item(0) + ">>" + type);

    // Narrow to the day of the middle deal, then restore.
    const std::optional<DateTime> day = deal_day(tab.成交信息.cell(rows / 2, 6));
    ASSERT_TRUE(day);
    const auto all_rows = tab.成交信息.rows();
    const long on_that_day = std::count_if(all_rows.begin(), all_rows.end(), [&](const auto& row) {
        return deal_day(row.cells[6]) == day;
    });
    tab.日期框1.set_date(*day);
    rig.handlers.day_changed();
    rig.handlers.find_day_clicked();
    EXPECT_EQ(tab.成交信息.row_count(), on_that_day);
    EXPECT_EQ(utf8(tab.标签_交易笔数.caption()), std::to_string(on_that_day) + " 笔");
    rig.handlers.restore_clicked();
    EXPECT_EQ(tab.成交信息.rows(), all_rows);

    rig.handlers.header_clicked(5);
    double previous = -1;
    for (int row = 0; row < rows; ++row) {
        const double unit = sort_number(tab.成交信息.cell(row, 5));
        ASSERT_GE(unit, previous - 1e-7) << row;
        previous = unit;
    }
    EXPECT_EQ(utf8(tab.透明标签_排序.caption()), "升");

    rig.handlers.add_comparison_clicked();
    ASSERT_EQ(rig.c.comparison.统计列表.row_count(), 1);
    EXPECT_EQ(rig.c.comparison.统计列表.cell(0, 1), tab.成交信息.cell(0, 2));
    EXPECT_EQ(utf8(rig.c.comparison.统计列表.cell(0, 8)), std::to_string(rows) + " ");

    tab.成交信息.select_row(rows - 1);
    rig.handlers.view_current_order_clicked();
    EXPECT_EQ(rig.desktop.opened_urls(), std::vector<std::string>{tab.成交信息.cell(rows - 1, 7)});
    EXPECT_EQ(rig.desktop.boxes().size(), 1u) << "the comparison's question, no warning";
}

}  // namespace
}  // namespace quvolo::testing
