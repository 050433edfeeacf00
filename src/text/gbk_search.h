#pragma once

#include <string_view>

namespace quvolo {

// Positions count bytes from 1; -1 means "not found". A match only starts where a character
// starts, never on the second byte of a double-byte GBK character (a byte >= 0x80 starts one);
// characters are counted from the first byte of the text. An empty needle is found at the first
// position searched of a non-empty text.

// First occurrence of needle in text starting at or after byte position `from`.
int find_text(std::string_view text, std::string_view needle, int from = 1,
              bool ignore_case = false);

// Last occurrence of needle in text.
int find_last_text(std::string_view text, std::string_view needle, bool ignore_case = false);

inline bool contains_text(std::string_view text, std::string_view needle) {
    return find_text(text, needle) != -1;
}

}  // namespace quvolo
