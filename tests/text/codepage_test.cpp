#include "text/codepage.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace quvolo {
namespace {

const std::string kChineseUtf8 = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文
const std::string kChineseGbk = "\xD6\xD0\xCE\xC4";
const std::string kReplacementUtf8 = "\xEF\xBF\xBD";

struct ConversionCase {
    const char* name;
    std::string input;
    std::string expected;
};

class Utf8ToGbk : public testing::TestWithParam<ConversionCase> {};

TEST_P(Utf8ToGbk, Converts) {
    EXPECT_EQ(utf8_to_gbk(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToGbk,
    testing::Values(ConversionCase{"chinese_word", kChineseUtf8, kChineseGbk},
                    ConversionCase{"ascii_unchanged", "abc <b>1</b>", "abc <b>1</b>"},
                    ConversionCase{"empty", "", ""},
                    ConversionCase{"zero_byte_kept", std::string("a\0b", 3),
                                   std::string("a\0b", 3)},
                    ConversionCase{"full_width_digit", "\xEF\xBC\x91", "\xA3\xB1"},
                    ConversionCase{"unmappable_is_one_question_mark",
                                   "a\xF0\x9F\x98\x80"
                                   "b",
                                   "a?b"},
                    ConversionCase{"malformed_byte",
                                   "a\xFF"
                                   "b",
                                   "a?b"},
                    ConversionCase{"stray_continuation_byte",
                                   "\x80"
                                   "x",
                                   "?x"},
                    ConversionCase{"truncated_sequence_at_end", "a\xE4\xB8", "a??"},
                    ConversionCase{"encoded_surrogate", "\xED\xA0\x80", "?"}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

class GbkToUtf8 : public testing::TestWithParam<ConversionCase> {};

TEST_P(GbkToUtf8, Converts) {
    EXPECT_EQ(gbk_to_utf8(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GbkToUtf8,
    testing::Values(ConversionCase{"chinese_word", kChineseGbk, kChineseUtf8},
                    ConversionCase{"ascii_unchanged", "abc", "abc"},
                    ConversionCase{"lone_lead_byte_at_end", "a\xB0", "a" + kReplacementUtf8},
                    ConversionCase{"invalid_byte",
                                   "\xFF"
                                   "a",
                                   kReplacementUtf8 + "a"},
                    ConversionCase{"bad_second_byte_keeps_ascii", "\xB0 x",
                                   kReplacementUtf8 + " x"}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

TEST(Utf16, CarriesTerminatingZero) {
    EXPECT_EQ(to_utf16(kChineseUtf8), std::string("\x2D\x4E\x87\x65\0\0", 6));
    EXPECT_EQ(to_utf16(kChineseGbk, kCodePageGbk), std::string("\x2D\x4E\x87\x65\0\0", 6));
    EXPECT_EQ(to_utf16(""), std::string("\0\0", 2));
}

TEST(Utf16, FromStopsAtFirstZeroCharacter) {
    const std::string utf16("\x2D\x4E\x87\x65\0\0A\0", 8);
    EXPECT_EQ(from_utf16(utf16), kChineseGbk);
    EXPECT_EQ(from_utf16(utf16, kCodePageUtf8), kChineseUtf8);
    // A zero byte inside a character is not a terminator.
    EXPECT_EQ(from_utf16(std::string("\x00\x4E\0\0", 4), kCodePageUtf8), "\xE4\xB8\x80");
}

TEST(Utf16, MalformedInputBecomesDefaultCharacter) {
    EXPECT_EQ(from_utf16(std::string("A\0\x00\xD8"
                                     "B\0",
                                     6)),
              "A?B");  // lone surrogate
    EXPECT_EQ(from_utf16(std::string("A\0"
                                     "B",
                                     3)),
              "A?");                                                 // odd last byte
    EXPECT_EQ(from_utf16(std::string("\x3D\xD8\x00\xDE", 4)), "?");  // one unmappable emoji
}

TEST(Utf16, UnknownCodePageGivesEmptyText) {
    EXPECT_EQ(to_utf16("abc", 12345), "");
    EXPECT_EQ(from_utf16(std::string("a\0", 2), 12345), "");
}

TEST(CodePage, EveryGb2312HanziSurvivesTheRoundTrip) {
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = gbk_to_utf8(gbk);
            if (utf8.find(kReplacementUtf8) != std::string::npos) {
                continue;  // the five unassigned codes at the end of level 1
            }
            ASSERT_EQ(utf8_to_gbk(utf8), gbk) << std::hex << lead << trail;
        }
    }
}

TEST(CodePage, ThreadsConvertAtTheSameTime) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&failures, t] {
            for (int i = 0; i < 2000; ++i) {
                if (utf8_to_gbk(kChineseUtf8) != kChineseGbk ||
                    gbk_to_utf8(kChineseGbk) != kChineseUtf8) {
                    ++failures[t];
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace quvolo
