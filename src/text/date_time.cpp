#include "text/date_time.h"

#include <ctime>

#include "text/gbk_literal.h"

namespace quvolo {

namespace {

void append_part(std::string& text, int value, const std::string& unit) {
    text.append(std::to_string(value)).append(unit);
}

}  // namespace

DateTime local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string date_time_text(const DateTime& when) {
    std::string text;
    append_part(text, when.year, GBK("年"));
    append_part(text, when.month, GBK("月"));
    append_part(text, when.day, GBK("日"));
    // The time goes down to its last part that is not zero.
    const int shown_parts = when.second != 0 ? 3 : when.minute != 0 ? 2 : when.hour != 0 ? 1 : 0;
    if (shown_parts >= 1) {
        append_part(text, when.hour, GBK("时"));
    }
    if (shown_parts >= 2) {
        append_part(text, when.minute, GBK("分"));
    }
    if (shown_parts >= 3) {
        append_part(text, when.second, GBK("秒"));
    }
    return text;
}

}  // namespace quvolo
