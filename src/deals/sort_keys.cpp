#include "deals/sort_keys.h"

#include <array>
#include <optional>
#include <string>

#include "deals/digit_run_reader.h"
#include "text/gbk_literal.h"
#include "text/numbers.h"

namespace quvolo {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// Days from 1 January 1970 to the given day of the proleptic Gregorian calendar.
long days_from_civil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long era = year / 400;
    const long year_of_era = year - era * 400;
    const long day_of_year = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 306;
}

int days_in_month(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// A text must name at least the year, the month and the day.
std::optional<std::array<int, 6>> complete(int last_part, const std::array<int, 6>& parts) {
    return last_part >= 2 ? std::optional(parts) : std::nullopt;
}

// The six parts year to second; the time parts not given are 0.
std::optional<std::array<int, 6>> date_time_parts(std::string_view text) {
    static constexpr std::array<int, 6> kWidest{4, 2, 2, 2, 2, 2};
    static const std::array<std::string, 6> kUnits{GBK("年"), GBK("月"), GBK("日"),
                                                   GBK("时"), GBK("分"), GBK("秒")};
    DigitRunReader reader(text);
    std::array<int, 6> parts{};
    for (int part = 0; part < 6; ++part) {
        const std::optional<int> value = reader.digits(kWidest[part]);
        if (!value) {
            return std::nullopt;
        }
        parts[part] = *value;
        if (reader.at_end()) {
            return complete(part, parts);
        }
        if (!reader.take_one_of("-/.:") && !reader.take(kUnits[part]) &&
            !(part == 2 && reader.take(" "))) {
            return std::nullopt;
        }
        if (part == 2) {
            reader.take(" ");
        }
        if (reader.at_end()) {
            return complete(part, parts);
        }
    }
    return std::nullopt;
}

bool is_valid(const std::array<int, 6>& p) {
    return p[0] >= 100 && p[1] >= 1 && p[1] <= 12 && p[2] >= 1 &&
           p[2] <= days_in_month(p[0], p[1]) && p[3] <= 23 && p[4] <= 59 && p[5] <= 59;
}

// One character's code: a double-byte character as lead * 256 + trail.
unsigned next_character(std::string_view text, std::size_t& at, bool fold_case) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead >= 0x80 && at < text.size()) {
        return lead * 256u + static_cast<unsigned char>(text[at++]);
    }
    if (fold_case && lead >= 'A' && lead <= 'Z') {
        return lead - 'A' + 'a';
    }
    return lead;
}

}  // namespace

double sort_number(std::string_view text) {
    std::string digits;
    digits.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool separator = text[i] == ',' && i > 0 && i + 1 < text.size() &&
                               is_ascii_digit(text[i - 1]) && is_ascii_digit(text[i + 1]);
        if (!separator) {
            digits.push_back(text[i]);
        }
    }
    return text_to_number(digits);
}

double date_time_days(std::string_view text) {
    std::optional<std::array<int, 6>> parts = date_time_parts(text);
    if (!parts || !is_valid(*parts)) {
        parts = std::array<int, 6>{100, 1, 1, 0, 0, 0};
    }
    const auto& p = *parts;
    return static_cast<double>(days_from_civil(p[0], p[1], p[2])) +
           (p[3] * 3600 + p[4] * 60 + p[5]) / kSecondsPerDay;
}

int compare_text(std::string_view a, std::string_view b, bool case_sensitive) {
    std::size_t at_a = 0;
    std::size_t at_b = 0;
    while (at_a < a.size() && at_b < b.size()) {
        const unsigned ca = next_character(a, at_a, !case_sensitive);
        const unsigned cb = next_character(b, at_b, !case_sensitive);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    const bool a_left = at_a < a.size();
    const bool b_left = at_b < b.size();
    return a_left == b_left ? 0 : (a_left ? 1 : -1);
}

int compare_with_tolerance(double a, double b) {
    return price_less(a, b) ? -1 : (price_greater(a, b) ? 1 : 0);
}

}  // namespace quvolo
