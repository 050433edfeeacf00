#include "app/hosts.h"

#include <string_view>

namespace quvolo {

std::string host_name_of(const std::string& base_address) {
    std::string_view rest = base_address;
    if (const auto scheme = rest.find("://"); scheme != std::string_view::npos) {
        rest.remove_prefix(scheme + 3);
    }
    return std::string(rest.substr(0, rest.find_first_of(":/")));
}

Hosts hosts_all_at(const std::string& base_address) {
    return {base_address, base_address, base_address, base_address,
            base_address, base_address, base_address};
}

}  // namespace quvolo
