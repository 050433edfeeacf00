#pragma once

#include <functional>
#include <stop_token>
#include <string>

#include "ui/web_source.h"

namespace quvolo {

// Reads one address with a plain GET: the body as text, empty on any failure. A stop ends the
// request in flight. Handed in, so the loads and the crawl can be run against any source.
using PageReader = std::function<std::string(const std::string& address, std::stop_token stop)>;

// The pages of a web source as a reader; the source must outlive it.
inline PageReader pages_of(ui::WebSource& web) {
    return [&web](const std::string& address, std::stop_token stop) {
        return web.page(address, std::move(stop));
    };
}

}  // namespace quvolo
