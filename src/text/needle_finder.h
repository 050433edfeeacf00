#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quvolo {

// Finds a needle only where a character of the text starts. Character boundaries are those
// found by walking the text from its first byte; the finder remembers the last boundary it
// has established, so a series of searches moving forward costs O(text) in total.
class NeedleFinder {
  public:
    static constexpr std::size_t npos = std::string_view::npos;

    // Letter case is ignored only for ASCII letters that stand as characters of their own in
    // the needle, never for the second byte of a double-byte character.
    NeedleFinder(std::string_view text, std::string_view needle, bool ignore_case);

    // Byte offset of the first match at or after offset `start`, or npos. Offsets passed to
    // successive calls must not decrease.
    std::size_t find(std::size_t start);

  private:
    std::size_t next_candidate(std::size_t start) const;
    bool starts_character(std::size_t offset);

    std::string_view text_;
    std::string_view needle_;
    bool ignore_case_;
    std::string folded_needle_;  // letters lowered where case is ignored
    std::string case_bits_;      // 0x20 where a byte may differ in letter case, else 0
    std::size_t known_boundary_ = 0;
};

}  // namespace quvolo

namespace quvolo {

// Calls visit(piece, is_last) for the pieces of text around the non-overlapping occurrences of
// a non-empty separator, left to right: before the first, between, and after the last (that
// one possibly empty).
template <typename Visit>
void visit_pieces(std::string_view text, std::string_view separator, Visit visit) {
    NeedleFinder finder(text, separator, false);
    std::size_t piece_start = 0;
    for (std::size_t at = finder.find(0); at != NeedleFinder::npos; at = finder.find(piece_start)) {
        visit(text.substr(piece_start, at - piece_start), false);
        piece_start = at + separator.size();
    }
    visit(text.substr(piece_start), true);
}

}  // namespace quvolo
