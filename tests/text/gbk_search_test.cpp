#include "text/gbk_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quvolo {
namespace {

struct FindCase {
    const char* name;
    std::string text;
    std::string needle;
    int from;
    bool ignore_case;
    int expected;
};

class FindText : public testing::TestWithParam<FindCase> {};

TEST_P(FindText, FindsOnlyAtCharacterStarts) {
    const FindCase& c = GetParam();
    EXPECT_EQ(find_text(c.text, c.needle, c.from, c.ignore_case), c.expected);
}

// \x81\x40 and \x81\x61 are double-byte characters whose second bytes are '@' and 'a'.
INSTANTIATE_TEST_SUITE_P(
    Cases, FindText,
    testing::Values(
        FindCase{"plain", "hello world", "world", 1, false, 7},
        FindCase{"absent", "hello", "x", 1, false, -1},
        FindCase{"needle_longer_than_text", "ab", "abc", 1, false, -1},
        FindCase{"second_byte_of_hanzi", "\xB0\xA1", "\xA1", 1, false, -1},
        FindCase{"straddles_two_characters", "\xD6\xD0\xB9\xFA", "\xD0\xB9", 1, false, -1},
        FindCase{"ascii_second_byte_is_not_a_match", "\x81\x40", "@", 1, false, -1},
        FindCase{"ascii_after_ascii_second_byte", "\x81\x40@", "@", 1, false, 3},
        FindCase{"parity_in_a_run_of_high_bytes", "x\xB0\xA1\xB0\xA1\xB0\xA1", "\xA1\xB0", 1, false,
                 -1},
        FindCase{"match_after_a_rejected_candidate", "\xB0\xA1\xA1\xB0", "\xA1\xB0", 1, false, 3},
        FindCase{"lone_lead_byte_at_end", "ab\xB0", "\xB0", 1, false, 3},
        FindCase{"case_counts_by_default", "Hello", "hello", 1, false, -1},
        FindCase{"ignore_case", "Hello", "hELLO", 1, true, 1},
        FindCase{"ignore_case_skips_second_byte",
                 "\x81\x62"
                 "b",
                 "B", 1, true, 3},
        FindCase{"second_byte_keeps_its_case", "\x81\x41", "\x81\x61", 1, true, -1},
        FindCase{"ignore_case_only_for_letters", "[{", "{", 1, true, 2},
        FindCase{"from_skips_earlier_match", "abcabc", "abc", 2, false, 4},
        FindCase{"from_on_second_byte_uses_real_boundaries", "\xB0\xA1\xB0\xA1", "\xA1\xB0", 2,
                 false, -1},
        FindCase{"from_on_second_byte_finds_next_character", "\xB0\xA1\xB0\xA1", "\xB0\xA1", 2,
                 false, 3},
        FindCase{"from_below_one_acts_as_one", "abc", "a", -5, false, 1},
        FindCase{"from_past_end", "abc", "c", 9, false, -1},
        FindCase{"empty_needle_at_first_position", "abc", "", 1, false, 1},
        FindCase{"empty_needle_at_from", "abc", "", 2, false, 2},
        FindCase{"empty_needle_past_end", "abc", "", 4, false, -1},
        FindCase{"empty_needle_in_empty_text", "", "", 1, false, -1}),
    [](const testing::TestParamInfo<FindCase>& info) { return info.param.name; });

TEST(FindLastText, FindsTheLastCharacterStart) {
    EXPECT_EQ(find_last_text("x1y x2y", "x"), 5);
    EXPECT_EQ(find_last_text("aaa", "aa"), 2);
    EXPECT_EQ(find_last_text("\x81\x40@\x81\x40", "@"), 3);
    EXPECT_EQ(find_last_text("\xB0\xA1\xB0\xA1", "\xA1\xB0"), -1);
    EXPECT_EQ(find_last_text("<B>1<b>2", "<b>", true), 5);
    EXPECT_EQ(find_last_text("abc", "z"), -1);
    EXPECT_EQ(find_last_text("abc", ""), 1);
    EXPECT_EQ(find_last_text("", ""), -1);
}

// The reference walks the text character by character and compares at every start.
int reference_find(const std::string& text, const std::string& needle, int from) {
    for (std::size_t at = 0; at < text.size();
         at += static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1) {
        if (static_cast<int>(at) + 1 >= from && text.compare(at, needle.size(), needle) == 0 &&
            at + needle.size() <= text.size()) {
            return static_cast<int>(at) + 1;
        }
    }
    return -1;
}

TEST(FindText, AgreesWithCharacterWalkOnRandomMixedText) {
    const char alphabet[] = {'a', '@', '\x81', '\xA1', '\xB0', '\x40'};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
    auto random_text = [&](int length) {
        std::string text;
        for (int i = 0; i < length; ++i) {
            text.push_back(alphabet[pick(random)]);
        }
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = random_text(round % 24);
        const std::string needle = random_text(1 + round % 3);
        const int from = 1 + round % 5;
        ASSERT_EQ(find_text(text, needle, from), reference_find(text, needle, from))
            << testing::PrintToString(text) << " / " << testing::PrintToString(needle) << " from "
            << from;
    }
}

}  // namespace
}  // namespace quvolo
