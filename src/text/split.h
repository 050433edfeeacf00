#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quvolo {

// Pieces between separators; a trailing empty piece is dropped, an empty text gives none.
std::vector<std::string> split_text(std::string_view text, std::string_view separator);

std::string replace_all(std::string_view text, std::string_view from, std::string_view to);

}  // namespace quvolo
