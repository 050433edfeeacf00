#include "text/split.h"

#include "text/needle_finder.h"

namespace quvolo {

std::vector<std::string> split_text(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) {
        return pieces;
    }
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    visit_pieces(text, separator, [&pieces](std::string_view piece, bool is_last) {
        if (!is_last || !piece.empty()) {
            pieces.emplace_back(piece);
        }
    });
    return pieces;
}

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    visit_pieces(text, from, [&](std::string_view piece, bool is_last) {
        result.append(piece);
        if (!is_last) {
            result.append(to);
        }
    });
    return result;
}

}  // namespace quvolo
