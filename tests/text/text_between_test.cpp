#include "text/text_between.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace quvolo {
namespace {

struct BetweenCase {
    const char* name;
    std::string text;
    std::string left;
    std::string right;
    bool ignore_case;
    int mode;
    bool from_end;
    std::string expected;
};

class TextBetween : public testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetween, CutsAndShapes) {
    const BetweenCase& c = GetParam();
    EXPECT_EQ(text_between(c.text, c.left, c.right, c.ignore_case, c.mode, c.from_end), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextBetween,
    testing::Values(
        BetweenCase{"mode0_between", "<b>12</b>", "<b>", "</b>", false, 0, false, "12"},
        BetweenCase{"mode1_both_markers", "<b>12</b>", "<b>", "</b>", false, 1, false, "<b>12</b>"},
        BetweenCase{"mode2_left_marker", "<b>12</b>", "<b>", "</b>", false, 2, false, "<b>12"},
        BetweenCase{"mode3_right_marker", "<b>12</b>", "<b>", "</b>", false, 3, false, "12</b>"},
        BetweenCase{"other_mode_acts_as_0", "<b>12</b>", "<b>", "</b>", false, 7, false, "12"},
        BetweenCase{"negative_mode_acts_as_0", "<b>12</b>", "<b>", "</b>", false, -1, false, "12"},
        BetweenCase{"right_searched_after_left", "b a b", "a", "b", false, 0, false, " "},
        BetweenCase{"first_right_after_left", "[1] [2]", "[", "]", false, 0, false, "1"},
        BetweenCase{"missing_right_mode0", "<b>12", "<b>", "</b>", false, 0, false, ""},
        BetweenCase{"missing_right_mode1", "<b>12", "<b>", "</b>", false, 1, false, "</b>"},
        BetweenCase{"missing_right_mode2", "<b>12", "<b>", "</b>", false, 2, false, ""},
        BetweenCase{"missing_right_mode3", "<b>12", "<b>", "</b>", false, 3, false, "</b>"},
        BetweenCase{"missing_left_mode0", "12</b>", "<b>", "</b>", false, 0, false, ""},
        BetweenCase{"missing_left_mode3", "12</b>", "<b>", "</b>", false, 3, false, "</b>"},
        BetweenCase{"right_only_before_left", "</b>x<b>", "<b>", "</b>", false, 0, false, ""},
        BetweenCase{"from_end", "x1y x2y", "x", "y", false, 0, true, "2"},
        BetweenCase{"from_end_without_right_after_it", "a1b a2", "a", "b", false, 0, true, ""},
        BetweenCase{"case_counts", "<td>5</td>", "<TD>", "</TD>", false, 0, false, ""},
        BetweenCase{"ignore_case_both_markers", "<td>5</td>", "<TD>", "</TD>", true, 0, false, "5"},
        BetweenCase{"ignore_case_keeps_marker_text_of_page", "<td>5</td>", "<TD>", "</TD>", true, 1,
                    false, "<td>5</TD>"},
        BetweenCase{"empty_left_marker", "abc</b>def</b>", "", "</b>", false, 0, false, "abc"},
        BetweenCase{"empty_left_marker_mode1", "abc</b>", "", "</b>", false, 1, false, "abc</b>"},
        BetweenCase{"empty_text_mode0", "", "<b>", "</b>", false, 0, false, ""},
        BetweenCase{"empty_text_mode1", "", "<b>", "</b>", false, 1, false, "</b>"},
        BetweenCase{"empty_right_marker", "abc", "a", "", false, 2, false, "a"},
        BetweenCase{"adjacent_markers", "<b></b>", "<b>", "</b>", false, 0, false, ""},
        BetweenCase{"left_marker_ending_text", "ab", "ab", "", false, 2, false, ""},
        // 国 is B9 FA; the first two characters here hold B9 FA across their boundary.
        BetweenCase{"hanzi_marker_not_on_second_byte", "\xB0\xB9\xFA\xA1\xB9\xFAxend", "\xB9\xFA",
                    "end", false, 0, false, "x"},
        BetweenCase{"right_marker_not_on_second_byte", "<\x81>x>", "<", ">", false, 0, false,
                    "\x81>x"}),
    [](const testing::TestParamInfo<BetweenCase>& info) { return info.param.name; });

TEST(TextBetween, ChineseMarkersFromSourceLiterals) {
    const std::string page = GBK("<span>成交价：</span>12.5元<br>");
    EXPECT_EQ(text_between(page, GBK("成交价：</span>"), GBK("元")), "12.5");
}

}  // namespace
}  // namespace quvolo
