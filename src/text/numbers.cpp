#include "text/numbers.h"

#include <charconv>
#include <cmath>

#include "text/gbk_chars.h"

namespace quvolo {

namespace {

constexpr double kPriceTolerance = 1e-7;
constexpr double kRoundingNudge = 1e-12;

// GBK codes of the full-width forms that stand for digits, signs and the decimal point.
constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kFullWidthZero = 0xB0;
constexpr unsigned char kFullWidthNine = 0xB9;
constexpr unsigned char kFullWidthPoint = 0xAE;
constexpr unsigned char kFullWidthMinus = 0xAD;
constexpr unsigned char kFullWidthPlus = 0xAB;

char ascii_of_full_width(unsigned char trail) {
    if (trail >= kFullWidthZero && trail <= kFullWidthNine) {
        return static_cast<char>('0' + (trail - kFullWidthZero));
    }
    switch (trail) {
        case kFullWidthPoint:
            return '.';
        case kFullWidthMinus:
            return '-';
        case kFullWidthPlus:
            return '+';
        default:
            return '\0';
    }
}

// The text with full-width digits, signs and points made ASCII, up to the first character
// that can no longer belong to a leading number (the rest is never read).
std::string ascii_number_prefix(std::string_view text) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char byte = text[i];
        if (!starts_double_byte(byte)) {
            ascii.push_back(byte);
            continue;
        }
        const char replacement =
            (static_cast<unsigned char>(byte) == kFullWidthLead && i + 1 < text.size())
                ? ascii_of_full_width(static_cast<unsigned char>(text[i + 1]))
                : '\0';
        if (replacement == '\0') {
            break;
        }
        ascii.push_back(replacement);
        ++i;
    }
    return ascii;
}

bool is_blank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

struct NumberSpan {
    std::string_view sign_and_digits;  // the sign kept only when it is '-'
    bool has_digits = false;
};

NumberSpan leading_number(std::string_view ascii, bool allow_point) {
    std::size_t at = 0;
    while (at < ascii.size() && is_blank(ascii[at])) {
        ++at;
    }
    const bool negative = at < ascii.size() && ascii[at] == '-';
    if (at < ascii.size() && (ascii[at] == '-' || ascii[at] == '+')) {
        ++at;
    }
    const std::size_t digits_start = at;
    bool has_digits = false;
    bool seen_point = false;
    for (; at < ascii.size(); ++at) {
        if (is_digit(ascii[at])) {
            has_digits = true;
        } else if (allow_point && ascii[at] == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
    }
    const std::size_t start = negative ? digits_start - 1 : digits_start;
    return {ascii.substr(start, at - start), has_digits};
}

}  // namespace

double text_to_number(std::string_view text) {
    const std::string ascii = ascii_number_prefix(text);
    const NumberSpan number = leading_number(ascii, true);
    if (!number.has_digits) {
        return 0;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(number.sign_and_digits.data(),
                        number.sign_and_digits.data() + number.sign_and_digits.size(), value,
                        std::chars_format::fixed);
    return error == std::errc() ? value : 0;
}

std::int64_t text_to_integer(std::string_view text) {
    const std::string ascii = ascii_number_prefix(text);
    const NumberSpan number = leading_number(ascii, false);
    if (!number.has_digits) {
        return 0;
    }
    std::int64_t value = 0;
    const auto [end, error] =
        std::from_chars(number.sign_and_digits.data(),
                        number.sign_and_digits.data() + number.sign_and_digits.size(), value);
    return error == std::errc() ? value : 0;
}

std::string number_to_text(double value) {
    if (value == 0) {
        return "0";
    }
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    return std::string(buffer, error == std::errc() ? end : buffer);
}

double round_to(double value, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = std::fabs(value) * scale + kRoundingNudge;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5) {
        whole += 1;
    }
    const double magnitude = whole / scale;
    return value < 0 ? -magnitude : magnitude;
}

bool price_less(double a, double b) {
    return a - b < -kPriceTolerance;
}
bool price_greater(double a, double b) {
    return a - b > kPriceTolerance;
}
bool price_equal(double a, double b) {
    return !price_less(a, b) && !price_greater(a, b);
}

}  // namespace quvolo
