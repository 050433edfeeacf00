#include <gtest/gtest.h>

#include "demo/calendar.h"
#include "demo/money_text.h"

namespace quvolo::demo {
namespace {

TEST(Calendar, DaysAndWeekdaysOfKnownDates) {
    struct Case {
        CalendarDate date;
        std::int64_t day;
        int weekday;  // 0 = Monday
    };
    const Case cases[] = {
        {{1970, 1, 1}, 0, 3},     {{2000, 2, 29}, 11016, 1}, {{2013, 12, 30}, 16069, 0},
        {{2014, 1, 5}, 16075, 6}, {{2025, 5, 14}, 20222, 2}, {{1969, 12, 31}, -1, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(day_number(c.date), c.day);
        EXPECT_EQ(date_of_day(c.day), c.date);
        EXPECT_EQ(weekday_of_day(c.day), c.weekday);
    }
    EXPECT_FALSE(is_valid_date({2013, 2, 29}));
    EXPECT_FALSE(is_valid_date({2013, 13, 1}));
    EXPECT_EQ(market_time_text(16069LL * 86400 + 3661), "2013-12-30 01:01:01");
}

TEST(MoneyText, PricesAndUnitPricesAsThePagesPrintThem) {
    struct Case {
        std::int64_t cents;
        const char* fixed;
        const char* trimmed;
    };
    const Case cases[] = {
        {125000, "1,250.00", "1,250"},
        {3550, "35.50", "35.5"},
        {99999, "999.99", "999.99"},
        {100000, "1,000.00", "1,000"},
        {123456789, "1,234,567.89", "1,234,567.89"},
        {5, "0.05", "0.05"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(price_text_fixed(c.cents), c.fixed);
        EXPECT_EQ(price_text_trimmed(c.cents), c.trimmed);
    }
    EXPECT_EQ(unit_price_number_text(0.0125), "0.0125");
    EXPECT_EQ(unit_price_number_text(0.0053624), "0.005362");
    EXPECT_EQ(unit_price_number_text(0.5), "0.5");
    EXPECT_EQ(unit_price_number_text(2.604), "2.6");
    EXPECT_EQ(spaced_thousands(1280), "1 280");
}

}  // namespace
}  // namespace quvolo::demo
