#include "text/split.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace quvolo {
namespace {

using Pieces = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    std::string separator;
    Pieces expected;
};

class SplitText : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitText, GivesPiecesBetweenSeparators) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(split_text(c.text, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitText,
    testing::Values(SplitCase{"plain", "a,b,c", ",", {"a", "b", "c"}},
                    SplitCase{"leading_separator_gives_empty_first", ",a", ",", {"", "a"}},
                    SplitCase{"trailing_empty_piece_dropped", "a,b,", ",", {"a", "b"}},
                    SplitCase{"inner_empty_piece_kept", "a,,b", ",", {"a", "", "b"}},
                    SplitCase{"separator_alone", ",", ",", {""}},
                    SplitCase{"two_separators", ",,", ",", {"", ""}},
                    SplitCase{"empty_text_gives_none", "", ",", {}},
                    SplitCase{"no_separator", "abc", ",", {"abc"}},
                    SplitCase{"empty_separator_leaves_text_whole", "abc", "", {"abc"}},
                    SplitCase{"long_separator", "a||b||", "||", {"a", "b"}},
                    SplitCase{"overlapping_separator", "a|||b", "||", {"a", "|b"}},
                    // \x81\x40 is one character whose second byte is '@'.
                    SplitCase{"not_inside_double_byte", "\x81\x40@x", "@", {"\x81\x40", "x"}},
                    SplitCase{"hanzi_separator_not_across_characters",
                              "\xB0\xB9\xFA\xA1\xB9\xFA"
                              "z",
                              "\xB9\xFA",
                              {"\xB0\xB9\xFA\xA1", "z"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(SplitText, ChineseSeparator) {
    EXPECT_EQ(split_text(GBK("一二一三"), GBK("一")), (Pieces{"", GBK("二"), GBK("三")}));
}

TEST(ReplaceAll, ReplacesWholeCharactersLeftToRight) {
    EXPECT_EQ(replace_all("a,b,", ",", ";"), "a;b;");
    EXPECT_EQ(replace_all("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replace_all("abc", "", "x"), "abc");
    EXPECT_EQ(replace_all("abc", "b", ""), "ac");
    EXPECT_EQ(replace_all("\x81\x40@", "@", "#"), "\x81\x40#");
    EXPECT_EQ(replace_all(GBK("价格#引号"), GBK("#引号"), "\""), GBK("价格\""));
}

}  // namespace
}  // namespace quvolo
