#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// Where a request goes, taken from the address text the callers build.
struct Address {
    std::string host;  // lower case
    unsigned port = 80;
    std::string path;  // from the first "/" after the host, query included; "/" when none
};

// A url starting with "http://" (any case) has its host part between that prefix and the next
// "/"; any other url is split at its first "/". The port is the number after the host part's
// first ":" (0 when that text has no digits, above 65535 when it names no real port). The path
// starts at the first "/" at or after the place where the host first occurs in the url.
Address split_address(std::string_view url);

}  // namespace quvolo
