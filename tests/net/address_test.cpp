#include "net/address.h"

#include <gtest/gtest.h>

namespace quvolo {
namespace {

struct SplitCase {
    std::string url;
    std::string host;
    unsigned port;
    std::string path;
};

class SplitAddress : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitAddress, GivesHostPortAndPath) {
    const SplitCase& c = GetParam();
    Address address = split_address(c.url);
    EXPECT_EQ(address.host, c.host);
    EXPECT_EQ(address.port, c.port);
    EXPECT_EQ(address.path, c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Urls, SplitAddress,
    ::testing::Values(
        SplitCase{"http://www.tovana.test/list/a.aspx?x=1&y=2", "www.tovana.test", 80,
                  "/list/a.aspx?x=1&y=2"},
        SplitCase{"HTTP://WWW.Tovana.Test:8080/Path/Page?Q=A", "www.tovana.test", 8080,
                  "/Path/Page?Q=A"},
        SplitCase{"http://www.tovana.test", "www.tovana.test", 80, "/"},
        SplitCase{"http://www.tovana.test:8080", "www.tovana.test", 8080, "/"},
        SplitCase{"www.tovana.test/a/b", "www.tovana.test", 80, "/a/b"},
        SplitCase{"Www.Tovana.Test:81/X", "www.tovana.test", 81, "/X"},
        SplitCase{"www.tovana.test", "www.tovana.test", 80, "/"}, SplitCase{"", "", 80, "/"},
        // The port is the leading number after the colon.
        SplitCase{"http://host:/x", "host", 0, "/x"},
        SplitCase{"http://host:abc/x", "host", 0, "/x"},
        SplitCase{"http://host: 8080/x", "host", 8080, "/x"},
        SplitCase{"http://host:8080x/x", "host", 8080, "/x"},
        SplitCase{"http://host:99999999999/x", "host", 65536, "/x"},
        // Without "http://" the text before the first "/" is the host part, colon and all.
        SplitCase{"https://www.tovana.test/a", "https", 0, "//www.tovana.test/a"},
        // The path starts after the first place the host occurs, which may lie inside "http".
        SplitCase{"http://h/x", "h", 80, "//h/x"},
        SplitCase{"http://tp:81/x", "tp", 81, "//tp:81/x"},
        // Only ASCII letters are lowered; a double-byte character stays whole ("\x81" "A" is
        // one character).
        SplitCase{"http://\x81"
                  "AB.test/Q",
                  "\x81"
                  "Ab.test",
                  80, "/Q"}));

}  // namespace
}  // namespace quvolo
