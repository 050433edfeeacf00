#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quvolo {

inline bool is_ascii_digit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a date or time text from left to right: runs of digits and what stands between them.
class DigitRunReader {
  public:
    explicit DigitRunReader(std::string_view text) : text_(text) {}

    // The number written by the digits here, at most `widest` of them; empty when none stands
    // here. `count`, when given, receives how many digits were read.
    std::optional<int> digits(int widest, int* count = nullptr);
    // Steps over `expected` when the text goes on with it.
    bool take(std::string_view expected);
    // Steps over one character of `marks` when it stands here.
    bool take_one_of(std::string_view marks);

    bool at_end() const { return at_ == text_.size(); }
    bool at_digit() const { return !at_end() && is_ascii_digit(text_[at_]); }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace quvolo
