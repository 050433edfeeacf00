#include "text/pattern_matcher.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "text/gbk_literal.h"

namespace quvolo {
namespace {

const char kCataloguePattern[] = "id:'(.*?)',name:'(.*?)'";

std::vector<std::string> all_matches(const PatternMatcher& matcher) {
    std::vector<std::string> texts;
    for (int i = 1; i <= matcher.match_count(); ++i) {
        texts.push_back(matcher.match_text(i));
    }
    return texts;
}

using Texts = std::vector<std::string>;

TEST(PatternMatcher, ReadsCatalogueEntries) {
    const std::string answer = GBK(
        "callgame([{name:'热门',games:[{id:'101',name:'天龙八部'},{id:'102',name:'梦幻西游'}]}])");
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.run(kCataloguePattern, answer));
    ASSERT_EQ(matcher.match_count(), 2);
    EXPECT_EQ(matcher.submatch_count(), 2);
    EXPECT_EQ(matcher.submatch_text(1, 1), "101");
    EXPECT_EQ(matcher.submatch_text(1, 2), GBK("天龙八部"));
    EXPECT_EQ(matcher.submatch_text(2, 1), "102");
    EXPECT_EQ(matcher.submatch_text(2, 2), GBK("梦幻西游"));
    EXPECT_EQ(matcher.match_text(2), "id:'102',name:'" + GBK("梦幻西游") + "'");
}

TEST(PatternMatcher, LazyGroupDoesNotCrossLineBreak) {
    PatternMatcher matcher;
    EXPECT_TRUE(matcher.run(kCataloguePattern, "{id:'1\n2',name:'a'},{id:'3\r',name:'b'}"));
    EXPECT_EQ(matcher.match_count(), 0);
}

struct MatchCase {
    const char* name;
    std::string pattern;
    std::string subject;
    bool case_sensitive;
    bool multiline;
    bool global;
    Texts expected;
};

class PatternSemantics : public testing::TestWithParam<MatchCase> {};

TEST_P(PatternSemantics, FindsExpectedMatches) {
    const MatchCase& c = GetParam();
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.run(c.pattern, c.subject, c.case_sensitive, c.multiline, c.global));
    EXPECT_EQ(all_matches(matcher), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatternSemantics,
    testing::Values(
        MatchCase{"dot_not_cr", "a.b", "a\rb", false, true, true, {}},
        MatchCase{"dot_not_lf", "a.b", "a\nb", false, true, true, {}},
        MatchCase{"dot_matches_tab", "a.b", "a\tb", false, true, true, {"a\tb"}},
        MatchCase{"dot_is_one_hanzi", "a.b", GBK("a中b"), false, true, true, {GBK("a中b")}},
        MatchCase{"two_dots_are_not_one_hanzi", "a..b", GBK("a中b"), false, true, true, {}},
        MatchCase{
            "class_of_hanzi", GBK("[天地]+"), GBK("x天地天y"), false, true, true, {GBK("天地天")}},
        MatchCase{"lazy_stops_early", "<(.*?)>", "<a><b>", false, true, true, {"<a>", "<b>"}},
        MatchCase{"greedy_runs_to_last", "<(.*)>", "<a><b>", false, true, true, {"<a><b>"}},
        MatchCase{"case_ignored_by_default", "abc", "ABC", false, true, true, {"ABC"}},
        MatchCase{"case_sensitive", "abc", "ABC", true, true, true, {}},
        MatchCase{
            "multiline_caret_each_line", "^x", "x\nx\r\nx", false, true, true, {"x", "x", "x"}},
        MatchCase{"caret_only_at_start", "^x", "x\nx", false, false, true, {"x"}},
        MatchCase{"multiline_dollar_each_line", "x$", "x\nx", false, true, true, {"x", "x"}},
        MatchCase{"dollar_only_at_very_end", "x$", "x\n", false, false, true, {}},
        MatchCase{"global_finds_all", "a", "aaa", false, true, true, {"a", "a", "a"}},
        MatchCase{"not_global_finds_first", "a+", "baab aa", false, true, false, {"aa"}},
        MatchCase{
            "empty_matches_step_one_character", "x*", GBK("中a"), false, true, true, {"", "", ""}},
        MatchCase{"empty_match_after_non_empty", "a*", "baa", false, true, true, {"", "aa", ""}},
        MatchCase{
            "javascript_unicode_escape", "\\u4e2d", GBK("a中"), false, true, true, {GBK("中")}},
        MatchCase{"javascript_any_class", "a[^]b", "a\nb", false, true, true, {"a\nb"}},
        MatchCase{"unset_group_reference_matches_empty", "(a)?b\\1", "b", false, true, true, {"b"}},
        MatchCase{"unknown_escape_is_its_letter", "\\q", "q", false, true, true, {"q"}},
        MatchCase{"word_class_is_ascii", "\\w+", GBK("ab中"), false, true, true, {"ab"}},
        MatchCase{"empty_subject", "a*", "", false, true, true, {""}},
        MatchCase{"zero_byte_in_subject",
                  "a.b",
                  std::string("a\0b", 3),
                  false,
                  true,
                  true,
                  {std::string("a\0b", 3)}},
        MatchCase{"malformed_gbk_matches_as_one_character",
                  "a.b",
                  "a\xFF"
                  "b",
                  false,
                  true,
                  true,
                  {"a?b"}}),
    [](const testing::TestParamInfo<MatchCase>& info) { return info.param.name; });

TEST(PatternMatcher, EmptySubjectHasNoMatches) {
    PatternMatcher matcher;
    EXPECT_TRUE(matcher.run(kCataloguePattern, ""));
    EXPECT_EQ(matcher.match_count(), 0);
    EXPECT_EQ(matcher.submatch_count(), 0);
}

TEST(PatternMatcher, RejectedPatternLeavesNoMatches) {
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.run("a", "aaa"));
    EXPECT_FALSE(matcher.run("(a", "aaa"));
    EXPECT_EQ(matcher.match_count(), 0);
    EXPECT_EQ(matcher.submatch_count(), 0);
    EXPECT_EQ(matcher.match_text(1), "");
    EXPECT_EQ(matcher.replace_all("b"), "");
    EXPECT_EQ(matcher.pattern_text(), "(a");
}

TEST(PatternMatcher, RunawayBacktrackingGivesUp) {
    PatternMatcher matcher;
    EXPECT_FALSE(matcher.run("(a|aa)+(b|c)", std::string(60, 'a') + "d"));
    EXPECT_EQ(matcher.match_count(), 0);
}

TEST(PatternMatcher, QuotePlaceholderBecomesDoubleQuote) {
    const std::string pattern = GBK("title=#引号(.*?)#引号");
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.run(pattern, "<a title=\"x1\">", false, true, true, true));
    EXPECT_EQ(matcher.submatch_text(1, 1), "x1");
    EXPECT_EQ(matcher.pattern_text(), "title=\"(.*?)\"");
    ASSERT_TRUE(matcher.run(pattern, "<a title=\"x1\">"));
    EXPECT_EQ(matcher.match_count(), 0);
}

TEST(PatternMatcher, PatternTextIsEmptyBeforeAnyRun) {
    EXPECT_EQ(PatternMatcher().pattern_text(), "");
    EXPECT_EQ(PatternMatcher().match_count(), 0);
}

TEST(PatternMatcher, UnsetGroupAndIndexesOutsideGiveEmptyText) {
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.run("(a)|(b)", "b"));
    int position = 99;
    EXPECT_EQ(matcher.submatch_text(1, 1), "");
    EXPECT_EQ(matcher.submatch_text(1, 2), "b");
    EXPECT_EQ(matcher.submatch_text(1, 3, &position), "");
    EXPECT_EQ(position, -1);
    EXPECT_EQ(matcher.submatch_text(1, 0), "");
    EXPECT_EQ(matcher.match_text(0), "");
    EXPECT_EQ(matcher.match_text(2, &position), "");
    EXPECT_EQ(position, -1);
}

// In 中文ab中ab the two "ab" start at characters 2 and 5 but at bytes 4 and 8. A position is
// found by searching the subject for the returned text from the byte offset equal to the match's
// character index, so a group can land on an earlier copy of its text.
TEST(PatternMatcher, PositionsAreByteOffsets) {
    const std::string subject = GBK("中文ab中ab");
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.run("a(b)", subject));
    ASSERT_EQ(matcher.match_count(), 2);
    int position = -9;
    EXPECT_EQ(matcher.match_text(1, &position), "ab");
    EXPECT_EQ(position, 4);
    EXPECT_EQ(matcher.match_text(2, &position), "ab");
    EXPECT_EQ(position, 8);
    EXPECT_EQ(matcher.submatch_text(2, 1, &position), "b");
    EXPECT_EQ(position, 5);
    ASSERT_TRUE(matcher.run(GBK("文"), subject));
    EXPECT_EQ(matcher.match_text(1, &position), GBK("文"));
    EXPECT_EQ(position, 2);
}

struct ReplaceCase {
    const char* name;
    std::string pattern;
    std::string subject;
    bool global;
    std::string replacement;
    std::string expected;
};

class PatternReplace : public testing::TestWithParam<ReplaceCase> {};

TEST_P(PatternReplace, ExpandsLikeJavaScript) {
    const ReplaceCase& c = GetParam();
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.run(c.pattern, c.subject, false, true, c.global));
    EXPECT_EQ(matcher.replace_all(c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatternReplace,
    testing::Values(ReplaceCase{"groups", "(\\w+)@(\\w+)", "me@host x@y", true, "$2 at $1",
                                "host at me y at x"},
                    ReplaceCase{"whole_match", "b+", "abbc", true, "[$&]", "a[bb]c"},
                    ReplaceCase{"dollar_dollar", "b", "abc", true, "$$", "a$c"},
                    ReplaceCase{"before_and_after", "b", "abc", true, "<$`|$'>", "a<a|c>c"},
                    ReplaceCase{"first_only_when_not_global", "b", "abcb", false, "x", "axcb"},
                    ReplaceCase{"missing_group_is_literal", "(b)", "abc", true, "$9$0", "a$9$0c"},
                    ReplaceCase{"two_digits_fall_back_to_one", "(b)", "abc", true, "$10", "ab0c"},
                    ReplaceCase{"unset_group_is_empty", "(x)?b", "abc", true, "[$1]", "a[]c"},
                    ReplaceCase{"lone_dollar_kept", "b", "abc", true, "$", "a$c"},
                    ReplaceCase{"empty_matches", "x*", "abc", true, "-", "-a-b-c-"},
                    ReplaceCase{"no_match_leaves_subject", "z", GBK("中b"), true, "-", GBK("中b")},
                    ReplaceCase{"chinese_in_and_out", GBK("元"), GBK("12元3元"), true, GBK("块"),
                                GBK("12块3块")}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

TEST(PatternMatcher, CopyKeepsItsOwnSubjectAndMatches) {
    PatternMatcher original;
    ASSERT_TRUE(original.run("(\\d+)", "a1b22"));
    const PatternMatcher copy(original);
    PatternMatcher assigned;
    assigned = original;
    ASSERT_TRUE(original.run("x", "xyz"));
    for (const PatternMatcher* matcher : {&copy, static_cast<const PatternMatcher*>(&assigned)}) {
        EXPECT_EQ(matcher->pattern_text(), "(\\d+)");
        EXPECT_EQ(all_matches(*matcher), (Texts{"1", "22"}));
        EXPECT_EQ(matcher->replace_all("#"), "a#b#");
    }
    EXPECT_EQ(all_matches(original), Texts{"x"});
}

TEST(PatternMatcher, SeparateMatchersOnSeparateThreads) {
    std::string answer;
    for (int i = 0; i < 200; ++i) {
        answer += "{id:'" + std::to_string(i) + "',name:'" + GBK("游戏") + "'},";
    }
    std::vector<int> counts(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&answer, &counts, t] {
            for (int round = 0; round < 20; ++round) {
                PatternMatcher matcher;
                matcher.run(kCataloguePattern, answer);
                if (matcher.submatch_text(200, 1) == "199" &&
                    matcher.submatch_text(200, 2) == GBK("游戏")) {
                    counts[t] += matcher.match_count();
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(counts, std::vector<int>(4, 200 * 20));
}

}  // namespace
}  // namespace quvolo
