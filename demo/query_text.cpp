#include "demo/query_text.h"

namespace quvolo::demo {
namespace {

int hex_value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string decoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hex_value(text[i + 1]) >= 0 &&
                   hex_value(text[i + 2]) >= 0) {
            out += static_cast<char>(hex_value(text[i + 1]) * 16 + hex_value(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> parse_query(std::string_view target) {
    std::vector<std::pair<std::string, std::string>> pairs;
    const std::size_t mark = target.find('?');
    if (mark == std::string_view::npos)
        return pairs;
    std::string_view query = target.substr(mark + 1);
    const std::size_t hash = query.find('#');
    if (hash != std::string_view::npos)
        query = query.substr(0, hash);
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view field = query.substr(0, amp);
        if (!field.empty()) {
            const std::size_t equals = field.find('=');
            pairs.emplace_back(decoded(field.substr(0, equals)),
                               equals == std::string_view::npos
                                   ? std::string()
                                   : decoded(field.substr(equals + 1)));
        }
        if (amp == std::string_view::npos)
            break;
        query.remove_prefix(amp + 1);
    }
    return pairs;
}

std::optional<long long> digits_value(std::string_view text, std::size_t max_digits) {
    if (text.empty() || text.size() > max_digits) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace quvolo::demo
