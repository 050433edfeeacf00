#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "demo/demo_marketplace.h"
#include "demo/demo_site.h"

namespace quvolo::demo {

// A clock the tests move by hand.
struct ManualClock {
    std::atomic<std::int64_t> unix_seconds{1747200000};  // 2025-05-14 05:20 UTC
    std::chrono::system_clock::time_point now() const {
        return std::chrono::system_clock::time_point(std::chrono::seconds(unix_seconds.load()));
    }
};

inline constexpr CalendarDate kTestToday{2025, 5, 14};

// Options of a small demo with a fixed date and a hand-moved clock.
DemoOptions test_options(ManualClock& clock, std::uint64_t seed = 7);

// One demo shared by the tests that only read from it.
DemoMarketplace& shared_demo();
ManualClock& shared_clock();

struct HttpAnswer {
    int status = 0;  // 0 when the request failed
    std::string body;
    std::string content_type;
};

// GET on the demo; `host` overrides the Host header when not empty.
HttpAnswer http_get(const DemoMarketplace& demo, const std::string& path_and_query,
                    const std::string& host = "");

// The path and query of an absolute address on the demo ("http://h:p/x?y" -> "/x?y").
std::string path_of(const std::string& address);

}  // namespace quvolo::demo
