#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// Code page numbers as the callers name them.
inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageUtf8 = 65001;

// Conversions never fail on bad input: a sequence the source code page cannot decode, or a
// character the target cannot hold, becomes the target's default character ("?", or U+FFFD when
// the target is Unicode). A code page the system does not know gives empty text. Embedded zero
// bytes are converted like any other character, except where a comment says otherwise.

// UTF-16LE bytes of text read in code_page, with the terminating zero character.
std::string to_utf16(std::string_view text, int code_page = kCodePageUtf8);
// Text in code_page of UTF-16LE bytes, up to their first zero character.
std::string from_utf16(std::string_view utf16, int code_page = kCodePageGbk);

std::string utf8_to_gbk(std::string_view utf8);
std::string gbk_to_utf8(std::string_view gbk);

}  // namespace quvolo
