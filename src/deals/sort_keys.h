#pragma once

#include <string_view>

namespace quvolo {

// How the texts of a sort column are read.
enum class SortType { number = 0, text = 1, date_time = 2, logical = 3 };

// The leading decimal number of a cell; a comma between two digits is a thousands separator
// and is skipped, so "1,250.00" reads as 1250.
double sort_number(std::string_view text);

// A date-time text as a number of days from a fixed day: a year of up to four digits, a month
// and a day of up to two, optionally an hour, a minute and a second of up to two; each part
// followed by "-", "/", ".", ":" or its unit (年 月 日 时 分 秒), a space allowed between the
// day and the hour. Anything else, and any date before the year 100, reads as the first moment
// of the year 100.
double date_time_days(std::string_view text);

// Negative, zero or positive as a is before, equal to or after b, character by character by
// their GBK codes (a double-byte character is one character); without case_sensitive, Latin
// letters compare as lower case.
int compare_text(std::string_view a, std::string_view b, bool case_sensitive);

// Negative, zero or positive with the tolerance of prices: values within 1e-7 are equal.
int compare_with_tolerance(double a, double b);

}  // namespace quvolo
