#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quvolo::demo {

// The query of a request target ("/path?a=1&b=%41") as key/value pairs in their order,
// percent escapes and "+" decoded. Keys may repeat.
std::vector<std::pair<std::string, std::string>> parse_query(std::string_view target);

}  // namespace quvolo::demo
