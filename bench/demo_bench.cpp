#include <benchmark/benchmark.h>
#include <httplib.h>

#include "demo/demo_marketplace.h"
#include "demo/demo_site.h"

namespace quvolo::demo {
namespace {

DemoOptions bench_options() {
    DemoOptions options;
    options.today = CalendarDate{2025, 5, 14};
    return options;
}

DemoMarketplace& bench_demo() {
    static const std::unique_ptr<DemoMarketplace> demo = DemoMarketplace::start(bench_options());
    return *demo;
}

std::string deal_page_path(const Game& game, int page) {
    return "/list/viewlastestdeallist.aspx?ts=-1&offerid=&gm=" + game.id +
           "&raceid=-1&ga=-1&gs=-1&bt=-1&sort=LastRefresh_DESC&section=-1_-1&pg=" +
           std::to_string(page) + "&ps=80";
}

PageRequest page_request(const std::string& path_and_query) {
    const std::size_t mark = path_and_query.find('?');
    PageRequest request{path_and_query.substr(0, mark), {}, "127.0.0.1:8901"};
    if (mark == std::string::npos)
        return request;
    std::string query = path_and_query.substr(mark + 1);
    for (std::size_t start = 0; start <= query.size();) {
        const std::size_t amp = std::min(query.find('&', start), query.size());
        const std::string field = query.substr(start, amp - start);
        const std::size_t equals = field.find('=');
        request.params.emplace_back(field.substr(0, equals),
                                    equals == std::string::npos ? "" : field.substr(equals + 1));
        start = amp + 1;
    }
    return request;
}

// Server time of one page of 80 deals of the busiest game, its deals already generated.
void deal_page_generation(benchmark::State& state) {
    const DemoSite& site = bench_demo().site();
    const Game& game = *site.data().world.by_trade()[0];
    const PageRequest request = page_request(deal_page_path(game, 7));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const PageResponse page = site.respond(request);
        bytes = page.body.size();
        benchmark::DoNotOptimize(page.body.data());
    }
    state.counters["page_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(deal_page_generation)->Unit(benchmark::kMicrosecond);

// Generating every recent deal of one game from the seed (the first request of a game).
void deal_list_generation(benchmark::State& state) {
    const GameWorld& world = bench_demo().site().data().world;
    const Game& game = *world.by_trade()[static_cast<std::size_t>(state.range(0))];
    std::size_t deals = 0;
    for (auto _ : state) {
        DealBook book(world, 20221);
        deals = book.deals_of(game)->deals.size();
    }
    state.counters["deals"] = static_cast<double>(deals);
}
BENCHMARK(deal_list_generation)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

void other_page_generation(benchmark::State& state) {
    const DemoSite& site = bench_demo().site();
    const GameWorld& world = site.data().world;
    const Game& game = *world.by_trade()[0];
    const auto layout = world.layout(game);
    const std::string paths[] = {
        "/ajax.axd?methodName=GETALLGAMESDATAv31&cache=20&IsGameID=false&jsoncallback=callgame",
        "/search/" + game.id + "/t1-a" + layout->areas[0].id + "-s" +
            layout->areas[0].servers[0].id + "-0-0-0-0.shtml",
        "/ntgame/Tovana/index.htm",
        "/testing-list.html?page=1&type=0&theme=0&frame=0",
    };
    const PageRequest request = page_request(paths[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(site.respond(request).body.data());
    state.SetLabel(request.path);
}
BENCHMARK(other_page_generation)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Start-up of the whole demo (about 2,000 games) and its stop.
void start_and_stop(benchmark::State& state) {
    for (auto _ : state) {
        auto demo = DemoMarketplace::start(bench_options());
        demo->stop();
    }
}
BENCHMARK(start_and_stop)->Unit(benchmark::kMillisecond);

// Deal pages over loopback from one client thread on one kept-alive connection.
void deal_pages_over_http(benchmark::State& state) {
    DemoMarketplace& demo = bench_demo();
    const auto& by_trade = demo.site().data().world.by_trade();
    httplib::Client client("127.0.0.1", demo.port());
    client.set_keep_alive(true);
    std::size_t request = 0;
    for (auto _ : state) {
        const Game& game = *by_trade[request % 20];
        const auto result = client.Get(deal_page_path(game, 1 + static_cast<int>(request % 3)));
        if (!result || result->status != 200)
            state.SkipWithError("request failed");
        ++request;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(request));
}
BENCHMARK(deal_pages_over_http)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace quvolo::demo
