#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// One piece per character: ASCII as is, a GB2312 hanzi as the lower-case first letter of its
// first pinyin reading, any other double-byte character (or a hanzi code without a reading, or a
// lone last byte) as itself.
std::string name_initials(std::string_view gbk_text);

}  // namespace quvolo
