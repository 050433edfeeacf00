#include "demo_test_server.h"

#include <httplib.h>

namespace quvolo::demo {

DemoOptions test_options(ManualClock& clock, std::uint64_t seed) {
    DemoOptions options;
    options.seed = seed;
    options.scale = 0.1;
    options.today = kTestToday;
    options.clock = [&clock] { return clock.now(); };
    options.worker_threads = 8;
    return options;
}

ManualClock& shared_clock() {
    static ManualClock clock;
    return clock;
}

DemoMarketplace& shared_demo() {
    static const std::unique_ptr<DemoMarketplace> demo =
        DemoMarketplace::start(test_options(shared_clock()));
    return *demo;
}

HttpAnswer http_get(const DemoMarketplace& demo, const std::string& path_and_query,
                    const std::string& host) {
    httplib::Client client("127.0.0.1", demo.port());
    client.set_read_timeout(20, 0);
    httplib::Headers headers;
    if (!host.empty())
        headers.emplace("Host", host);
    const auto result = client.Get(path_and_query, headers);
    if (!result)
        return {};
    return {result->status, result->body, result->get_header_value("Content-Type")};
}

std::string path_of(const std::string& address) {
    const std::size_t scheme = address.find("://");
    const std::size_t slash = address.find('/', scheme == std::string::npos ? 0 : scheme + 3);
    return slash == std::string::npos ? "/" : address.substr(slash);
}

}  // namespace quvolo::demo
