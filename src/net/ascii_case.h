#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quvolo {

// Letter case here means ASCII letters only. Both functions step over double-byte GBK
// characters (a byte >= 0x80 starts one), so a trail byte is never lowered or matched.

// Byte offset of the first match of needle, ignoring letter case; npos when absent.
std::size_t find_ignoring_case(std::string_view text, std::string_view needle);

inline bool contains_ignoring_case(std::string_view text, std::string_view needle) {
    return find_ignoring_case(text, needle) != std::string_view::npos;
}

std::string to_lower_ascii(std::string_view text);

}  // namespace quvolo
