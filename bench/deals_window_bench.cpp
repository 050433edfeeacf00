#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>

#include "hundred_page_game.h"
#include "offscreen_window.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

// A click on "获取成交信息" for a game of about 100 pages, until the window shows every row
// and the figures; the counter stall_ms is the window thread's longest stall meanwhile.
void crawl_hundred_pages_in_window(benchmark::State& state) {
    offscreen_application();
    static const HundredPageGame game = find_hundred_page_game();
    if (game.pages == 0) {
        state.SkipWithError("no game of the demo has 100 pages of deals");
        return;
    }
    OffscreenWindow shown(hosts_all_at(game.demo->base_url()));
    shown.wait_for_catalogue();
    auto* games = shown.window.findChild<QListWidget*>(QStringLiteral("游戏列表_游戏名_显"));
    auto* query = shown.window.findChild<QPushButton*>(QStringLiteral("成交量"));
    auto* list = shown.window.findChild<QTreeView*>(QStringLiteral("成交信息"));
    const auto& ids = shown.controls.deal.游戏列表_游戏名_编号;
    int game_row = 0;
    while (game_row < ids.count() && ids.item(game_row) != game.game_id) {
        ++game_row;
    }
    process_events_until([&] { return games->count() == ids.count(); });
    games->setCurrentRow(game_row);
    process_events_until(
        [&] { return shown.controls.状态条1.part(1) == GBK("分区类型 列表载入完成！"); });

    StallMeter stalls;
    qint64 longest_stall = 0;
    int rows = 0;
    for (auto _ : state) {
        stalls.start();
        query->click();
        process_events_until([&] {
            rows = shown.controls.deal.成交信息.row_count();
            return !shown.handlers.deals.crawl_state().busy &&
                   shown.controls.状态条1.part(1) == GBK("查询完毕！") &&
                   list->model()->rowCount() == rows;
        });
        longest_stall = std::max(longest_stall, stalls.stop());
    }
    state.counters["pages"] = static_cast<double>(game.pages);
    state.counters["rows"] = rows;
    state.counters["stall_ms"] = static_cast<double>(longest_stall);
}
BENCHMARK(crawl_hundred_pages_in_window)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quvolo
