#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quvolo::demo {

// The query of a request target ("/path?a=1&b=%41") as key/value pairs in their order,
// percent escapes and "+" decoded. Keys may repeat.
std::vector<std::pair<std::string, std::string>> parse_query(std::string_view target);

// The value of a text of ASCII digits only, at most max_digits of them; nothing otherwise.
std::optional<long long> digits_value(std::string_view text, std::size_t max_digits);

}  // namespace quvolo::demo
