#include "demo/money_text.h"

#include <cmath>
#include <cstdio>

namespace quvolo::demo {
namespace {

std::string grouped(std::int64_t value, char separator) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += separator;
        out.append(digits, i, 3);
    }
    return value < 0 ? "-" + out : out;
}

std::string cents_part(std::int64_t cents) {
    char text[4];
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(cents % 100));
    return text;
}

}  // namespace

std::string price_text_fixed(std::int64_t cents) {
    return grouped(cents / 100, ',') + "." + cents_part(cents);
}

std::string price_text_trimmed(std::int64_t cents) {
    std::string text = grouped(cents / 100, ',');
    const std::int64_t rest = cents % 100;
    if (rest == 0)
        return text;
    std::string fraction = cents_part(rest);
    if (fraction.back() == '0')
        fraction.pop_back();
    return text + "." + fraction;
}

std::string unit_price_number_text(double value) {
    if (!(value > 0))
        return "0";
    int places = 2;
    if (value < 1) {
        int zeros = 0;
        for (double scaled = value; scaled < 0.1 && zeros < 8; scaled *= 10)
            ++zeros;
        places = zeros + 4;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    std::string out = text;
    while (out.back() == '0')
        out.pop_back();
    if (out.back() == '.')
        out.pop_back();
    return out;
}

std::string spaced_thousands(std::int64_t value) {
    return grouped(value, ' ');
}

std::string grouped_integer(std::int64_t value) {
    return grouped(value, ',');
}

}  // namespace quvolo::demo
