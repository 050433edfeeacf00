#pragma once

#include <string>
#include <string_view>

namespace quvolo::demo {

// Escapes the five markup characters. Safe on GBK: no trail byte is below 0x40.
std::string html_escape(std::string_view text);

}  // namespace quvolo::demo
