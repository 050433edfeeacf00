#include "text/name_initials.h"

#include <gtest/gtest.h>

#include "text/gbk_literal.h"

namespace quvolo {
namespace {

struct InitialsCase {
    const char* name;
    std::string text;
    std::string expected;
};

class NameInitials : public testing::TestWithParam<InitialsCase> {};

TEST_P(NameInitials, GivesOnePiecePerCharacter) {
    EXPECT_EQ(name_initials(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameInitials,
    testing::Values(InitialsCase{"consonant_initial", GBK("天"), "t"},
                    InitialsCase{"syllable_an", GBK("爱"), "a"},
                    InitialsCase{"syllable_e", GBK("饿"), "e"},
                    InitialsCase{"syllable_ou", GBK("欧"), "o"},
                    InitialsCase{"whole_name", GBK("天龙八部"), "tlbb"},
                    InitialsCase{"ascii_letters_keep_case", "QQ", "QQ"},
                    InitialsCase{"digit_then_letter", "3D", "3D"},
                    InitialsCase{"ascii_then_hanzi", GBK("QQ飞车"), "QQfc"},
                    InitialsCase{"level_two_hanzi", GBK("鑫"), "x"},
                    InitialsCase{"polyphone_takes_first_reading", GBK("地"), "d"},
                    InitialsCase{"gbk_extension_character_kept",
                                 "\x81\x40"
                                 "a",
                                 "\x81\x40"
                                 "a"},
                    InitialsCase{"full_width_symbol_kept", GBK("，"), GBK("，")},
                    InitialsCase{"unassigned_hanzi_code_kept", "\xD7\xFA", "\xD7\xFA"},
                    InitialsCase{"lone_last_byte_kept", "a\xB0", "a\xB0"},
                    InitialsCase{"empty", "", ""}),
    [](const testing::TestParamInfo<InitialsCase>& info) { return info.param.name; });

// GB2312 sorts its first level by reading; these are the first hanzi of each letter there, so
// a shifted or misread table shows at once.
TEST(NameInitials, FirstHanziOfEachLetterInLevelOne) {
    const std::string firsts = GBK("啊芭擦搭蛾发噶哈击喀垃妈拿哦啪期然撒塌挖昔压匝");
    EXPECT_EQ(name_initials(firsts), "abcdefghjklmnopqrstwxyz");
}

}  // namespace
}  // namespace quvolo
