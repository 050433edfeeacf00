#pragma once

#include <chrono>
#include <string>

namespace quvolo::demo {

// What a plain socket sees of one GET, without any HTTP library smoothing it over.
struct RawExchange {
    int status = 0;
    long long content_length = -1;  // -1 when the head announces none
    std::string body;               // the bytes after the head
    bool closed = false;            // the server closed the connection
    bool reset = false;             // the connection was reset
    bool went_quiet = false;        // still open, but nothing came for `quiet`
};

// Sends "GET path" to 127.0.0.1:port and reads until the server closes or resets, or
// until nothing arrives for `quiet`, or `limit` bytes have come.
RawExchange raw_get(int port, const std::string& path, std::chrono::milliseconds quiet,
                    std::size_t limit = std::size_t{64} << 20);

}  // namespace quvolo::demo
