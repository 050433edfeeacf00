#pragma once

#include <cstdint>
#include <string>

namespace quvolo::demo {

// Market times are civil seconds (no time zone): day number * 86400 + seconds of the day,
// counted from 1970-01-01.
struct CalendarDate {
    int year = 1970, month = 1, day = 1;
    bool operator==(const CalendarDate&) const = default;
};

std::int64_t day_number(const CalendarDate& date);
CalendarDate date_of_day(std::int64_t day);
// 0 = Monday .. 6 = Sunday.
int weekday_of_day(std::int64_t day);
bool is_valid_date(const CalendarDate& date);

CalendarDate local_today();

// "2013-05-12 14:22:33"
std::string market_time_text(std::int64_t market_seconds);
// "2013-05-12"
std::string date_text(std::int64_t day);

}  // namespace quvolo::demo
