#include "app/host_config.h"

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

std::optional<Hosts> configured_hosts(const IniFile& config) {
    if (!config.has_section(kHostsSection)) {
        return std::nullopt;
    }
    return Hosts{base_address(config, "catalogue"), base_address(config, "trading"),
                 base_address(config, "search"),    base_address(config, "ranking"),
                 base_address(config, "portal"),    base_address(config, "portal_gift"),
                 base_address(config, "publisher")};
}

}  // namespace quvolo
