#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// Code page numbers as the callers name them.
inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageUtf8 = 65001;

// UTF-16LE bytes of text read in code_page, with the terminating zero character.
std::string to_utf16(std::string_view text, int code_page = kCodePageUtf8);
// Text in code_page of UTF-16LE bytes, up to their first zero character. Unmappable
// characters become the code page's default character; malformed input never throws.
std::string from_utf16(std::string_view utf16, int code_page = kCodePageGbk);

std::string utf8_to_gbk(std::string_view utf8);
std::string gbk_to_utf8(std::string_view gbk);

}  // namespace quvolo
