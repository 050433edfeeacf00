#include "text/numbers.h"

#include <gtest/gtest.h>

#include <limits>

#include "text/gbk_literal.h"

namespace quvolo {
namespace {

struct NumberCase {
    const char* name;
    std::string text;
    double expected;
};

class TextToNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumber, ReadsLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(text_to_number(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToNumber,
    testing::Values(
        NumberCase{"unit_after_number", GBK("12.5元"), 12.5},
        NumberCase{"thousands_comma_stops", "1,250.00", 1}, NumberCase{"empty", "", 0},
        NumberCase{"no_number", "abc", 0}, NumberCase{"number_after_text_ignored", GBK("价12"), 0},
        NumberCase{"leading_blanks", " \t\r\n42", 42}, NumberCase{"negative", "-3.5x", -3.5},
        NumberCase{"plus_sign", "+7", 7}, NumberCase{"full_width", GBK("１２．５"), 12.5},
        NumberCase{"full_width_minus", GBK("－３"), -3},
        NumberCase{"full_width_plus", GBK("＋３"), 3},
        NumberCase{"full_width_mixed_with_ascii", GBK("1２.５元"), 12.5},
        NumberCase{"full_width_space_is_not_a_blank", GBK("　12"), 0},
        NumberCase{"point_first", ".5", 0.5}, NumberCase{"point_last", "5.", 5},
        NumberCase{"negative_point_first", "-.5", -0.5}, NumberCase{"point_alone", ".", 0},
        NumberCase{"sign_alone", "-", 0}, NumberCase{"second_point_stops", "1.2.3", 1.2},
        NumberCase{"no_exponent", "1e5", 1}, NumberCase{"no_hex", "0x10", 0},
        NumberCase{"no_infinity", "inf", 0},
        NumberCase{"beyond_double", "1" + std::string(400, '0'), 0},
        NumberCase{"many_digits_in_range", "0." + std::string(300, '0') + "1", 1e-301}),
    [](const testing::TestParamInfo<NumberCase>& info) { return info.param.name; });

TEST(TextToInteger, ReadsLeadingInteger) {
    EXPECT_EQ(text_to_integer("12.9"), 12);
    EXPECT_EQ(text_to_integer(GBK("-7元")), -7);
    EXPECT_EQ(text_to_integer(GBK("１２３")), 123);
    EXPECT_EQ(text_to_integer("  +08"), 8);
    EXPECT_EQ(text_to_integer(""), 0);
    EXPECT_EQ(text_to_integer("x1"), 0);
    EXPECT_EQ(text_to_integer("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(text_to_integer("9223372036854775808"), 0);
}

struct TextCase {
    double value;
    const char* expected;
};

class NumberToText : public testing::TestWithParam<TextCase> {};

TEST_P(NumberToText, WritesShortestThirteenDigits) {
    EXPECT_EQ(number_to_text(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberToText,
    testing::Values(TextCase{0, "0"}, TextCase{-0.0, "0"}, TextCase{12.5, "12.5"},
                    TextCase{100, "100"}, TextCase{-3, "-3"}, TextCase{2.50, "2.5"},
                    TextCase{0.1 + 0.2, "0.3"}, TextCase{1234567.891234567, "1234567.891235"},
                    TextCase{123456789012345.0, "1.234567890123e+14"}, TextCase{1e15, "1e+15"},
                    TextCase{0.0001, "0.0001"}, TextCase{0.00001, "1e-05"}));

// Ten additions of 0.1 in double give 0.9999999999999999; the text form rounds it away.
TEST(NumberToText, RunningSumHeldAsTextRoundsEveryStep) {
    std::string sum_text = "0";
    for (int i = 0; i < 10; ++i) {
        sum_text = number_to_text(text_to_number(sum_text) + 0.1);
    }
    EXPECT_EQ(sum_text, "1");
}

struct RoundCase {
    double value;
    int places;
    double expected;
};

class RoundTo : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTo, RoundsHalfAwayFromZeroWithNudge) {
    EXPECT_DOUBLE_EQ(round_to(GetParam().value, GetParam().places), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundTo,
                         testing::Values(RoundCase{2.675, 2, 2.68}, RoundCase{1.005, 2, 1.01},
                                         RoundCase{2.5, 0, 3}, RoundCase{-2.5, 0, -3},
                                         RoundCase{-1.005, 2, -1.01}, RoundCase{0.125, 2, 0.13},
                                         RoundCase{12.344, 2, 12.34}, RoundCase{-12.344, 2, -12.34},
                                         RoundCase{1.2345, 3, 1.235}, RoundCase{3.49, 0, 3},
                                         RoundCase{-0.4, 0, 0}, RoundCase{125, -1, 130}));

struct CompareCase {
    double a;
    double b;
    bool less;
    bool greater;
};

TEST(PriceComparison, UsesTolerance) {
    const CompareCase cases[] = {
        {1.0, 1.0 + 5e-8, false, false},
        {1.0 + 5e-8, 1.0, false, false},
        {1.0, 1.0 + 2e-7, true, false},
        {1.0 + 2e-7, 1.0, false, true},
        {0, 0, false, false},
        {-1, 1, true, false},
    };
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
        EXPECT_EQ(price_less(c.a, c.b), c.less);
        EXPECT_EQ(price_greater(c.a, c.b), c.greater);
        EXPECT_EQ(price_equal(c.a, c.b), !c.less && !c.greater);
    }
}

}  // namespace
}  // namespace quvolo
