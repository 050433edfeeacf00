#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "demo/calendar.h"
#include "demo/faults.h"

namespace quvolo::demo {

class DemoSite;

struct DemoOptions {
    int port = 0;  // 0: any free loopback port
    std::uint64_t seed = 20130506;
    double scale = 1.0;  // multiplies the number of games and of deals
    // The last day of deals is the day before this one; default: the local date at start.
    std::optional<CalendarDate> today;
    // Moves the fresh offers; default: the system clock.
    std::function<std::chrono::system_clock::time_point()> clock;
    std::chrono::seconds offer_arrival_step{5};
    std::string version_answer = "1.101";
    std::vector<FaultRule> faults;  // none: every page is served as it is
    int worker_threads = 32;
};

// The demo marketplace: one HTTP server on 127.0.0.1 that answers every path of the
// marketplace, the ranking portal, the game portal and the publisher's site.
class DemoMarketplace {
  public:
    // Empty when the port cannot be bound.
    static std::unique_ptr<DemoMarketplace> start(const DemoOptions& options);
    ~DemoMarketplace();
    DemoMarketplace(const DemoMarketplace&) = delete;
    DemoMarketplace& operator=(const DemoMarketplace&) = delete;

    std::string base_url() const;  // "http://127.0.0.1:<port>"
    std::string host() const;      // "127.0.0.1:<port>"
    int port() const;
    void stop();

    void set_version_answer(std::string answer);
    void set_faults(std::vector<FaultRule> rules);
    const DemoSite& site() const;

  private:
    struct Impl;
    explicit DemoMarketplace(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace quvolo::demo
