#pragma once

#include <chrono>
#include <string>

namespace quvolo {

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

    bool operator==(const DateTime&) const = default;
};

DateTime local_now();

// "%d年%d月%d日" plus the time down to its last non-zero part, as GBK text.
std::string date_time_text(const DateTime& when);

}  // namespace quvolo
