#include "net/address.h"

#include "text/gbk_chars.h"
#include "text/gbk_search.h"

namespace quvolo {
namespace {

constexpr std::string_view scheme = "http://";
constexpr unsigned beyond_ports = 65536;

std::string_view host_part_of(std::string_view url) {
    std::size_t start = 0;
    if (find_text(url.substr(0, scheme.size()), scheme, 1, true) == 1) {
        start = scheme.size();
    }
    std::string_view rest = url.substr(start);
    return rest.substr(0, rest.find('/'));
}

// ASCII letters lowered; a double-byte character stays whole, its second byte included.
std::string lower_case(std::string_view text) {
    std::string lowered(text);
    for (std::size_t at = 0; at < lowered.size(); ++at) {
        if (starts_double_byte(lowered[at])) {
            ++at;
        } else if (lowered[at] >= 'A' && lowered[at] <= 'Z') {
            lowered[at] = static_cast<char>(lowered[at] - 'A' + 'a');
        }
    }
    return lowered;
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
    address.host = lower_case(host_part.substr(0, colon));
    if (colon != std::string_view::npos) {
        address.port = port_number(host_part.substr(colon + 1));
    }

    int host_position = find_text(url, address.host, 1, true);
    std::size_t slash = host_position == -1
                            ? std::string_view::npos
                            : url.find('/', static_cast<std::size_t>(host_position - 1));
    address.path = slash == std::string_view::npos ? "/" : std::string(url.substr(slash));
    return address;
}

}  // namespace quvolo
