#include "text/date_time.h"

#include <gtest/gtest.h>

#include <ctime>

#include "text/gbk_literal.h"

namespace quvolo {
namespace {

struct DateCase {
    DateTime when;
    std::string expected;
};

class DateTimeText : public testing::TestWithParam<DateCase> {};

TEST_P(DateTimeText, StopsAtLastNonZeroPart) {
    EXPECT_EQ(date_time_text(GetParam().when), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTimeText,
    testing::Values(DateCase{{2024, 3, 5, 0, 0, 0}, GBK("2024年3月5日")},
                    DateCase{{2024, 3, 5, 7, 0, 0}, GBK("2024年3月5日7时")},
                    DateCase{{2024, 3, 5, 7, 8, 0}, GBK("2024年3月5日7时8分")},
                    DateCase{{2024, 11, 25, 17, 8, 9}, GBK("2024年11月25日17时8分9秒")},
                    DateCase{{2024, 3, 5, 0, 0, 9}, GBK("2024年3月5日0时0分9秒")},
                    DateCase{{2024, 3, 5, 0, 8, 0}, GBK("2024年3月5日0时8分")},
                    DateCase{{2024, 3, 5, 7, 0, 9}, GBK("2024年3月5日7时0分9秒")}));

TEST(DateTimeText, IsGbk) {
    EXPECT_EQ(date_time_text({2024, 1, 2}),
              "2024\xC4\xEA"
              "1\xD4\xC2"
              "2\xC8\xD5");
}

DateTime from_tm(const std::tm& t) {
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

TEST(LocalNow, MatchesTheSystemLocalTime) {
    const std::time_t before = std::time(nullptr);
    const DateTime now = local_now();
    const std::time_t after = std::time(nullptr);
    std::tm before_tm{};
    std::tm after_tm{};
    localtime_r(&before, &before_tm);
    localtime_r(&after, &after_tm);
    EXPECT_TRUE(now == from_tm(before_tm) || now == from_tm(after_tm))
        << date_time_text(now) << " not between the readings of the system clock";
}

}  // namespace
}  // namespace quvolo
