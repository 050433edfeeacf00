#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quvolo::demo {

inline constexpr std::string_view kGbkHtml = "text/html; charset=gb2312";
inline constexpr std::string_view kGbkScript = "application/x-javascript; charset=gb2312";
inline constexpr std::string_view kUtf8Html = "text/html; charset=utf-8";
inline constexpr std::string_view kPng = "image/png";

struct PageRequest {
    std::string path;
    std::vector<std::pair<std::string, std::string>> params;  // in the order they came
    std::string host;                                         // "127.0.0.1:8901"

    // The first value of key, empty when absent.
    std::string param(std::string_view key) const {
        for (const auto& [name, value] : params) {
            if (name == key)
                return value;
        }
        return {};
    }
    bool has_param(std::string_view key) const {
        for (const auto& entry : params) {
            if (entry.first == key)
                return true;
        }
        return false;
    }
    // Every value of key joined by commas, as the marketplace's scripts read a repeated key.
    std::string joined_param(std::string_view key) const {
        std::string out;
        bool first = true;
        for (const auto& [name, value] : params) {
            if (name != key)
                continue;
            if (!first)
                out += ',';
            out += value;
            first = false;
        }
        return out;
    }
    std::string origin() const { return "http://" + host; }
};

struct PageResponse {
    int status = 200;
    std::string content_type;
    std::string body;
};

inline PageResponse page_ok(std::string_view content_type, std::string body) {
    return {200, std::string(content_type), std::move(body)};
}

}  // namespace quvolo::demo
