#include "text/needle_finder.h"

#include <cstring>

#include "text/gbk_chars.h"

namespace quvolo {

namespace {

bool is_ascii_letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

NeedleFinder::NeedleFinder(std::string_view text, std::string_view needle, bool ignore_case)
    : text_(text), needle_(needle), ignore_case_(ignore_case) {
    if (!ignore_case_) {
        return;
    }
    folded_needle_.assign(needle.begin(), needle.end());
    case_bits_.assign(needle.size(), '\0');
    for (std::size_t i = 0; i < needle.size(); ++i) {
        if (starts_double_byte(needle[i])) {
            ++i;  // its second byte keeps its case
        } else if (is_ascii_letter(needle[i])) {
            folded_needle_[i] = static_cast<char>(needle[i] | 0x20);
            case_bits_[i] = 0x20;
        }
    }
}

std::size_t NeedleFinder::find(std::size_t start) {
    for (std::size_t at = next_candidate(start); at != npos; at = next_candidate(at + 1)) {
        if (starts_character(at)) {
            return at;
        }
    }
    return npos;
}

std::size_t NeedleFinder::next_candidate(std::size_t start) const {
    const std::size_t size = text_.size();
    if (start >= size || needle_.size() > size - start) {
        return npos;
    }
    if (needle_.empty()) {
        return start;
    }
    if (!ignore_case_) {
        const void* hit =
            memmem(text_.data() + start, size - start, needle_.data(), needle_.size());
        return hit ? static_cast<const char*>(hit) - text_.data() : npos;
    }
    const char* bytes = text_.data();
    const std::size_t last = size - needle_.size();
    for (std::size_t at = start; at <= last; ++at) {
        if ((bytes[at] | case_bits_[0]) != folded_needle_[0]) {
            continue;
        }
        std::size_t i = 1;
        while (i < needle_.size() && (bytes[at + i] | case_bits_[i]) == folded_needle_[i]) {
            ++i;
        }
        if (i == needle_.size()) {
            return at;
        }
    }
    return npos;
}

// The byte after one below 0x80 always starts a character: such a byte is either a character
// of its own or the second byte of a pair. From there on every byte up to `offset` is 0x80 or
// more, so each starts a pair and the parity of the distance decides.
bool NeedleFinder::starts_character(std::size_t offset) {
    std::size_t boundary = offset;
    while (boundary > known_boundary_ && starts_double_byte(text_[boundary - 1])) {
        --boundary;
    }
    const bool starts = (offset - boundary) % 2 == 0;
    known_boundary_ = starts ? offset : offset + 1;
    return starts;
}

}  // namespace quvolo
