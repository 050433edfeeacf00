#include <benchmark/benchmark.h>

#include "app/catalogue.h"
#include "demo/demo_marketplace.h"
#include "net/fetch.h"

namespace quvolo {
namespace {

// The demo marketplace's whole catalogue answer (about 2,000 games) into all eight lists.
void fill_eight_lists(benchmark::State& state) {
    const auto demo = demo::DemoMarketplace::start({});
    const std::string answer = fetch_page(catalogue_address(demo->base_url()));
    std::size_t games = 0;
    for (auto _ : state) {
        MainWindowControls controls;
        const auto parsed = parse_catalogue(answer);
        show_catalogue(parsed, {controls.deal.game_lists(), controls.monitor.game_lists()});
        games = parsed.size();
    }
    state.counters["games"] = static_cast<double>(games);
    state.counters["answer_bytes"] = static_cast<double>(answer.size());
}
BENCHMARK(fill_eight_lists)->Unit(benchmark::kMillisecond);

// Fetch included: what the start-up load costs end to end on loopback.
void fetch_and_fill(benchmark::State& state) {
    const auto demo = demo::DemoMarketplace::start({});
    for (auto _ : state) {
        MainWindowControls controls;
        benchmark::DoNotOptimize(load_catalogue_now(demo->base_url(), controls));
    }
}
BENCHMARK(fetch_and_fill)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quvolo
