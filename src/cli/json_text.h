#pragma once

#include <string>
#include <string_view>

namespace quvolo::cli {

// A JSON string literal, quotes included, of GBK text.
std::string json_string(std::string_view gbk);

}  // namespace quvolo::cli
