#include "net/ascii_case.h"

namespace quvolo {
namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t character_length(std::string_view text, std::size_t at) {
    bool double_byte = static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size();
    return double_byte ? 2 : 1;
}

bool matches_at(std::string_view text, std::size_t at, std::string_view needle) {
    if (text.size() - at < needle.size()) {
        return false;
    }
    for (std::size_t i = 0; i < needle.size(); ++i) {
        if (lower(text[at + i]) != lower(needle[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::size_t find_ignoring_case(std::string_view text, std::string_view needle) {
    for (std::size_t at = 0; at < text.size(); at += character_length(text, at)) {
        if (matches_at(text, at, needle)) {
            return at;
        }
    }
    return std::string_view::npos;
}

std::string to_lower_ascii(std::string_view text) {
    std::string lowered(text);
    for (std::size_t at = 0; at < lowered.size(); at += character_length(lowered, at)) {
        lowered[at] = lower(lowered[at]);
    }
    return lowered;
}

}  // namespace quvolo
