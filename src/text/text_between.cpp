#include "text/text_between.h"

#include <algorithm>

#include "text/gbk_search.h"

namespace quvolo {

std::string text_between(std::string_view text, std::string_view left, std::string_view right,
                         bool ignore_case, int mode, bool from_end) {
    const int left_at =
        from_end ? find_last_text(text, left, ignore_case) : find_text(text, left, 1, ignore_case);
    // The piece runs from the left marker up to the right one; it is empty when either is
    // missing, which leaves the modes that append the right marker with that marker alone.
    std::string_view piece;
    if (left_at != -1) {
        const int right_at =
            find_text(text, right, left_at + static_cast<int>(left.size()), ignore_case);
        if (right_at > left_at) {
            piece = text.substr(left_at - 1, right_at - left_at);
        }
    }
    const std::string_view after_left = piece.substr(std::min(left.size(), piece.size()));
    switch (mode) {
        case 1:
            return std::string(piece).append(right);
        case 2:
            return std::string(piece);
        case 3:
            return std::string(after_left).append(right);
        default:
            return std::string(after_left);
    }
}

}  // namespace quvolo
