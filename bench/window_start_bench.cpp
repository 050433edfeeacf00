#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QListWidget>

#include "demo/demo_marketplace.h"
#include "offscreen_window.h"

namespace quvolo {
namespace {

// From nothing to a shown window, then until the catalogue's games stand in the shown list.
// Counters: shown_ms, loaded_ms, and stall_ms, the window thread's longest stall while the
// catalogue loads.
void window_start_and_catalogue(benchmark::State& state) {
    offscreen_application();
    const auto demo = demo::DemoMarketplace::start({});
    qint64 shown_ms = 0, loaded_ms = 0, stall_ms = 0;
    int games = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        OffscreenWindow window(hosts_all_at(demo->base_url()));
        shown_ms = std::max(shown_ms, clock.elapsed());
        StallMeter stalls;
        stalls.start();
        auto* list = window.window.findChild<QListWidget*>(QStringLiteral("游戏列表_游戏名_显"));
        window.wait_for_catalogue();
        process_events_until([&] {
            return list->count() > 0 &&
                   list->count() == window.controls.deal.游戏列表_游戏名_显.count();
        });
        loaded_ms = std::max(loaded_ms, clock.elapsed());
        stall_ms = std::max(stall_ms, stalls.stop());
        games = list->count();
    }
    state.counters["shown_ms"] = static_cast<double>(shown_ms);
    state.counters["loaded_ms"] = static_cast<double>(loaded_ms);
    state.counters["stall_ms"] = static_cast<double>(stall_ms);
    state.counters["games"] = games;
}
BENCHMARK(window_start_and_catalogue)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
}  // namespace quvolo
