#include "app/hosts.h"

namespace quvolo {

Hosts hosts_all_at(const std::string& base_address) {
    return {base_address, base_address, base_address, base_address,
            base_address, base_address, base_address};
}

}  // namespace quvolo
