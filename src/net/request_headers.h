#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quvolo {

inline constexpr const char* user_agent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// "POST" in any letter case is sent as written; every other method, and none, is "GET".
std::string request_method(const std::optional<std::string>& method);
bool is_post(std::string_view method);

// The caller's header lines followed by the standard ones: Accept, Referer (the url) and
// Accept-Language each only when the text built so far lacks that name with its ": ", letter
// case ignored; then, for a POST with data, Content-Type and Content-Length.
std::string compose_request_headers(std::string_view url, std::string_view extra_headers,
                                    std::string_view method, std::string_view post_data);

}  // namespace quvolo
