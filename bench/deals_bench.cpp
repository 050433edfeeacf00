#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "app/deal_tab_handlers.h"
#include "app/main_window_controls.h"
#include "deals/crawl_deals.h"
#include "deals/deal_page.h"
#include "deals/sort_list_view.h"
#include "hundred_page_game.h"
#include "net/fetch.h"
#include "ui/scaled_pacer.h"
#include "ui/scripted_desktop.h"

namespace quvolo {
namespace {

// The whole crawl of about 100 pages of 80 deals against the demo marketplace, on in-memory
// controls with no pauses: every page read over loopback, cut and written cell by cell, then
// summarized and copied for the day filter.
void crawl_hundred_pages(benchmark::State& state) {
    static const HundredPageGame game = find_hundred_page_game();
    if (game.pages == 0) {
        state.SkipWithError("no game of the demo has 100 pages of deals");
        return;
    }
    ui::ScriptedDesktop desktop;
    ui::ScaledPacer pacer(0);
    const PageReader reader = [](const std::string& address, std::stop_token stop) {
        return fetch_page(address, {}, stoppable(std::move(stop)));
    };
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto controls = std::make_unique<MainWindowControls>();
        controls->deal.游戏列表_游戏名_显.append("game");
        controls->deal.游戏列表_游戏名_编号.append(game.game_id);
        controls->deal.游戏列表_游戏名_显.select(0);
        controls->deal.游戏列表_游戏名_编号.select(0);
        DealCrawlState crawl_state;
        crawl_state.claim();
        state.ResumeTiming();
        crawl_deals(deal_crawl_controls(*controls), crawl_state,
                    {game.demo->base_url(), reader, desktop, pacer, {}});
        rows = controls->deal.成交信息.row_count();
    }
    state.counters["pages"] = static_cast<double>(game.pages);
    state.counters["rows"] = rows;
}
BENCHMARK(crawl_hundred_pages)->Unit(benchmark::kMillisecond)->UseRealTime();

// A deal list of 100,000 rows sorted by its price column: many equal prices, thousands
// separators, and the exact placement of ties.
void sort_hundred_thousand_rows(benchmark::State& state) {
    MainWindowControls controls;
    ui::ReportList& deals = controls.deal.成交信息;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> price(1, 20000);
    std::vector<ui::ReportRow> rows;
    for (int row = 0; row < 100000; ++row) {
        const int yuan = price(random);
        std::string text = std::to_string(yuan);
        if (yuan >= 1000) {
            text.insert(text.size() - 3, ",");
        }
        rows.push_back({std::to_string(100000 - row), "name", "place", "type", text + ".50", "1",
                        "25-05-13 10:00:00", "http://t/detail"});
    }
    for (auto _ : state) {
        state.PauseTiming();
        deals.replace_rows(rows);
        state.ResumeTiming();
        sort_list_view(deals, 4, SortType::number);
    }
}
BENCHMARK(sort_hundred_thousand_rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quvolo
