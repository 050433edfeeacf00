#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quvolo {

// Pieces between separators, in order: a leading separator gives an empty first piece, the text
// after the last separator is a piece only when it is not empty, an empty text gives none. A
// separator never matches inside a double-byte character. An empty separator leaves the text
// whole.
std::vector<std::string> split_text(std::string_view text, std::string_view separator);

// Every occurrence of `from` (at character boundaries, left to right, not overlapping) replaced
// by `to`; an empty `from` leaves the text as it is.
std::string replace_all(std::string_view text, std::string_view from, std::string_view to);

}  // namespace quvolo
