#include <gtest/gtest.h>

#include "app/version_answer.h"

namespace quvolo {
namespace {

TEST(VersionAnswer, ClassifiesWhatTheServiceSays) {
    struct Case {
        const char* answer;
        VersionAnswer expected;
    };
    const Case cases[] = {
        {"1.101", VersionAnswer::same},       {"1.101\r\n", VersionAnswer::same},
        {" 1.101 ", VersionAnswer::same},     {"1.102", VersionAnswer::different},
        {"1.1010", VersionAnswer::different}, {"<html>error</html>", VersionAnswer::different},
        {"", VersionAnswer::unreachable},     {"\r\n", VersionAnswer::unreachable},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(classify_version_answer(c.answer), c.expected) << c.answer;
    }
}

}  // namespace
}  // namespace quvolo
