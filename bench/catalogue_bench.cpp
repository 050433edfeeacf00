#include <benchmark/benchmark.h>

#include "app/catalogue.h"
#include "demo/demo_marketplace.h"
#include "net/fetch.h"
#include "ui/memory_list_box.h"

namespace quvolo {
namespace {

// The demo marketplace's whole catalogue answer (about 2,000 games) into all eight lists.
void fill_eight_lists(benchmark::State& state) {
    const auto demo = demo::DemoMarketplace::start({});
    const std::string answer = fetch_page(catalogue_address(demo->base_url()));
    ui::LoadGeneration generations;
    int games = 0;
    for (auto _ : state) {
        ui::MemoryListBox lists[8];
        fill_game_lists(
            answer,
            {{lists[0], lists[1], lists[2], lists[3]}, {lists[4], lists[5], lists[6], lists[7]}},
            generations, generations.begin(), {});
        games = lists[0].count();
    }
    state.counters["games"] = games;
    state.counters["answer_bytes"] = static_cast<double>(answer.size());
}
BENCHMARK(fill_eight_lists)->Unit(benchmark::kMillisecond);

// Fetch included: what the start-up load costs end to end on loopback.
void fetch_and_fill(benchmark::State& state) {
    const auto demo = demo::DemoMarketplace::start({});
    ui::LoadGeneration generations;
    for (auto _ : state) {
        ui::MemoryListBox lists[8];
        fill_game_lists(
            fetch_page(catalogue_address(demo->base_url())),
            {{lists[0], lists[1], lists[2], lists[3]}, {lists[4], lists[5], lists[6], lists[7]}},
            generations, generations.begin(), {});
    }
}
BENCHMARK(fetch_and_fill)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quvolo
