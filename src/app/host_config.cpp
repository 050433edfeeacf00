#include "app/host_config.h"

#include "text/gbk_search.h"

namespace quvolo {
namespace {

std::string base_address(const IniFile& config, std::string_view key) {
    std::string address = config.value(kHostsSection, key).value_or("");
    while (!address.empty() && address.back() == '/') {
        address.pop_back();
    }
    return address;
}

}  // namespace

constexpr std::string_view kHostKeys[] = {"catalogue", "trading",     "search",   "ranking",
                                          "portal",    "portal_gift", "publisher"};

std::vector<std::string> unusable_host_keys(const IniFile& config) {
    std::vector<std::string> keys;
    for (const std::string_view key : kHostKeys) {
        const std::string address = base_address(config, key);
        if (address.size() < 8 || find_text(address, "http://", 1, true) != 1) {
            keys.emplace_back(key);
        }
    }
    return keys;
}

std::optional<Hosts> configured_hosts(const IniFile& config) {
    if (!config.has_section(kHostsSection)) {
        return std::nullopt;
    }
    return Hosts{base_address(config, kHostKeys[0]), base_address(config, kHostKeys[1]),
                 base_address(config, kHostKeys[2]), base_address(config, kHostKeys[3]),
                 base_address(config, kHostKeys[4]), base_address(config, kHostKeys[5]),
                 base_address(config, kHostKeys[6])};
}

}  // namespace quvolo
