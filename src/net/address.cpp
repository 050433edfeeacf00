#include "net/address.h"

#include "net/ascii_case.h"

namespace quvolo {
namespace {

constexpr std::string_view scheme = "http://";
constexpr unsigned beyond_ports = 65536;

std::string_view host_part_of(std::string_view url) {
    std::size_t start = 0;
    if (url.size() >= scheme.size() &&
        find_ignoring_case(url.substr(0, scheme.size()), scheme) == 0) {
        start = scheme.size();
    }
    std::string_view rest = url.substr(start);
    return rest.substr(0, rest.find('/'));
}

// Leading decimal digits after blanks; a longer run of digits stays just above the last port.
unsigned port_number(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t");
    unsigned value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + static_cast<unsigned>(text[at] - '0');
        if (value >= beyond_ports) {
            return beyond_ports;
        }
    }
    return value;
}

}  // namespace

Address split_address(std::string_view url) {
    std::string_view host_part = host_part_of(url);
    std::size_t colon = host_part.find(':');

    Address address;
    address.host = to_lower_ascii(host_part.substr(0, colon));
    if (colon != std::string_view::npos) {
        address.port = port_number(host_part.substr(colon + 1));
    }

    std::size_t host_at = find_ignoring_case(url, address.host);
    std::size_t slash = host_at == std::string_view::npos ? host_at : url.find('/', host_at);
    address.path = slash == std::string_view::npos ? "/" : std::string(url.substr(slash));
    return address;
}

}  // namespace quvolo
