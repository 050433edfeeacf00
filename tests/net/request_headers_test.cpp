#include "net/request_headers.h"

#include <gtest/gtest.h>

namespace quvolo {
namespace {

const std::string accept_line =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
const std::string url = "http://www.tovana.test/list?p=2";
const std::string referer_line = "Referer: " + url + "\r\n";
const std::string language_line = "Accept-Language: zh-cn\r\n";
const std::string standard_lines = accept_line + referer_line + language_line;

struct MethodCase {
    std::optional<std::string> given;
    std::string sent;
};

class RequestMethod : public ::testing::TestWithParam<MethodCase> {};

TEST_P(RequestMethod, KeepsPostAsWrittenAndTurnsTheRestIntoGet) {
    EXPECT_EQ(request_method(GetParam().given), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(Methods, RequestMethod,
                         ::testing::Values(MethodCase{std::nullopt, "GET"}, MethodCase{"", "GET"},
                                           MethodCase{"POST", "POST"}, MethodCase{"post", "post"},
                                           MethodCase{"pOsT", "pOsT"}, MethodCase{"PUT", "GET"},
                                           MethodCase{"get", "GET"}, MethodCase{"POSTS", "GET"},
                                           MethodCase{" POST", "GET"}));

struct HeaderCase {
    std::string name;
    std::string url;
    std::string extra;
    std::string method;
    std::string post_data;
    std::string expected;
};

class ComposeHeaders : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(ComposeHeaders, AppendsOnlyTheMissingStandardLines) {
    const HeaderCase& c = GetParam();
    EXPECT_EQ(compose_request_headers(c.url, c.extra, c.method, c.post_data), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ComposeHeaders,
    ::testing::Values(
        HeaderCase{"Plain", url, "", "GET", "", standard_lines},
        HeaderCase{"CallerLinesComeFirst", url, "X-Token: 7\r\nX-Two: b\r\n", "GET", "",
                   "X-Token: 7\r\nX-Two: b\r\n" + standard_lines},
        HeaderCase{"AcceptInAnyCase", url, "accept: x/y\r\n", "GET", "",
                   "accept: x/y\r\n" + referer_line + language_line},
        HeaderCase{"RefererGiven", url, "REFERER: http://elsewhere/\r\n", "GET", "",
                   "REFERER: http://elsewhere/\r\n" + accept_line + language_line},
        HeaderCase{"LanguageGivenIsNoAccept", url, "Accept-Language: en\r\n", "GET", "",
                   "Accept-Language: en\r\n" + accept_line + referer_line},
        HeaderCase{"NameInsideAValue", url, "X-Note: no accept: here\r\n", "GET", "",
                   "X-Note: no accept: here\r\n" + referer_line + language_line},
        HeaderCase{"NameWithoutBlankIsNoName", url, "Accept:x/y\r\n", "GET", "",
                   "Accept:x/y\r\n" + standard_lines},
        HeaderCase{"NameOnASecondByteIsNoName", url,
                   "X-Name: \x81"
                   "Accept: x\r\n",
                   "GET", "",
                   "X-Name: \x81"
                   "Accept: x\r\n" +
                       standard_lines},
        HeaderCase{"RefererLineCountsForLaterNames", "http://h/?Accept-Language: x", "", "GET", "",
                   accept_line + "Referer: http://h/?Accept-Language: x\r\n"},
        HeaderCase{"PostWithData", url, "", "POST", "a=1&b=2",
                   standard_lines +
                       "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 7\r\n"},
        HeaderCase{"LowerCasePostWithData", url, "", "post", "a=1",
                   standard_lines +
                       "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 3\r\n"},
        HeaderCase{"PostLinesDespiteCallersOwn", url, "Content-Type: text/plain\r\n", "POST", "xy",
                   "Content-Type: text/plain\r\n" + standard_lines +
                       "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 2\r\n"},
        HeaderCase{"PostWithoutData", url, "", "POST", "", standard_lines},
        HeaderCase{"GetWithData", url, "", "GET", "a=1", standard_lines}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) { return info.param.name; });

}  // namespace
}  // namespace quvolo
