#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>

namespace quvolo {

// The optional parameters of one request; every caller in the program passes none.
struct FetchRequest {
    std::optional<std::string> method;  // "POST" in any case selects POST, anything else GET
    std::optional<std::string> proxy;   // through this HTTP proxy; absent or empty: direct
    std::string extra_headers;          // lines ending in "\r\n", sent before the standard ones
    std::string post_data;
    std::string* raw_headers_out = nullptr;  // the final response's header block, as received
};

// How a request may be interrupted and bounded; handed in by the caller.
struct FetchControl {
    std::stop_token stop;                 // a stop aborts the request in flight: empty result
    std::function<void()> between_reads;  // called before each read (the window's yield)
    // Connecting, and any pause with no byte moving either way, may last this long; a long
    // read that keeps moving has no limit.
    std::chrono::milliseconds timeout{18000};
    std::size_t body_limit = std::size_t{64} << 20;  // a longer body gives an empty result
};

// Each call makes one request on its own connection and keeps nothing afterwards, so any number
// of threads may call at once. Redirects are not followed. A connection that breaks or stalls
// after part of the body arrived gives that part.

// The program's own requests: defaults everywhere, aborted by the token.
inline FetchControl stoppable(std::stop_token stop) {
    FetchControl control;
    control.stop = std::move(stop);
    return control;
}

// The body as text up to its first zero byte; empty on any failure.
std::string fetch_page(std::string_view url, const FetchRequest& request = {},
                       const FetchControl& control = {});
// The body bytes unchanged; empty on any failure.
std::string fetch_bytes(std::string_view url, const FetchRequest& request = {},
                        const FetchControl& control = {});

}  // namespace quvolo
