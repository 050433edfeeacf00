#include "deals/digit_run_reader.h"

namespace quvolo {

std::optional<int> DigitRunReader::digits(int widest, int* count) {
    int value = 0;
    int read = 0;
    while (read < widest && at_digit()) {
        value = value * 10 + (text_[at_] - '0');
        ++read;
        ++at_;
    }
    if (count != nullptr) {
        *count = read;
    }
    return read > 0 ? std::optional(value) : std::nullopt;
}

bool DigitRunReader::take(std::string_view expected) {
    if (text_.substr(at_).starts_with(expected)) {
        at_ += expected.size();
        return true;
    }
    return false;
}

bool DigitRunReader::take_one_of(std::string_view marks) {
    if (!at_end() && marks.find(text_[at_]) != std::string_view::npos) {
        ++at_;
        return true;
    }
    return false;
}

}  // namespace quvolo
