#pragma once

#include <functional>
#include <stop_token>
#include <string>

namespace quvolo {

// Reads one address with a plain GET: the body as text, empty on any failure. A stop ends the
// request in flight. Handed in, so the loads and the crawl can be run against any source.
using PageReader = std::function<std::string(const std::string& address, std::stop_token stop)>;

}  // namespace quvolo
