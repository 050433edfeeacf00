#include "demo/calendar.h"

#include <cstdio>
#include <ctime>

namespace quvolo::demo {

std::int64_t day_number(const CalendarDate& date) {
    const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t year_of_era = y - era * 400;
    const std::int64_t day_of_year =
        (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const std::int64_t day_of_era =
        year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

CalendarDate date_of_day(std::int64_t day) {
    day += 719468;
    const std::int64_t era = (day >= 0 ? day : day - 146096) / 146097;
    const std::int64_t day_of_era = day - era * 146097;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t mp = (5 * day_of_year + 2) / 153;
    CalendarDate date;
    date.day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(year_of_era + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

int weekday_of_day(std::int64_t day) {
    // 1970-01-01 was a Thursday.
    const std::int64_t shifted = (day + 3) % 7;
    return static_cast<int>(shifted < 0 ? shifted + 7 : shifted);
}

bool is_valid_date(const CalendarDate& date) {
    if (date.year < 1900 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > 31) {
        return false;
    }
    return date_of_day(day_number(date)) == date;
}

CalendarDate local_today() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

std::string market_time_text(std::int64_t market_seconds) {
    std::int64_t day = market_seconds / 86400;
    std::int64_t second = market_seconds % 86400;
    if (second < 0) {
        second += 86400;
        --day;
    }
    const CalendarDate date = date_of_day(day);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.year, date.month,
                  date.day, static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60));
    return text;
}

std::string date_text(std::int64_t day) {
    const CalendarDate date = date_of_day(day);
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace quvolo::demo
