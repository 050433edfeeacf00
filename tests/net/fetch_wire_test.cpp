#include <gtest/gtest.h>

#include <cstdlib>

#include "net/fetch.h"
#include "raw_server.h"

namespace quvolo {
namespace {

using testing::RawServer;
using testing::with_port;

const std::string ok_reply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";
const std::string agent = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
const std::string accept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
const std::string language = "Accept-Language: zh-cn\r\n";
const std::string form_type = "Content-Type: application/x-www-form-urlencoded\r\n";

// "{port}" in url, proxy and wire stands for the test server's port.
struct WireCase {
    std::string name;
    std::string url;
    FetchRequest request;
    std::string wire;
};

FetchRequest with_method(std::optional<std::string> method, std::string post_data = {}) {
    FetchRequest request;
    request.method = std::move(method);
    request.post_data = std::move(post_data);
    return request;
}

FetchRequest with_headers(std::string extra_headers) {
    FetchRequest request;
    request.extra_headers = std::move(extra_headers);
    return request;
}

FetchRequest with_proxy(std::string proxy) {
    FetchRequest request;
    request.proxy = std::move(proxy);
    return request;
}

void PrintTo(const WireCase& c, std::ostream* os) {
    *os << c.name;
}

class RequestOnTheWire : public ::testing::TestWithParam<WireCase> {};

TEST_P(RequestOnTheWire, IsExactlyTheComposedRequest) {
    const WireCase& c = GetParam();
    RawServer server(ok_reply);
    FetchRequest request = c.request;
    if (request.proxy) {
        request.proxy = with_port(*request.proxy, server.port());
    }
    EXPECT_EQ(fetch_page(with_port(c.url, server.port()), request), "ok");
    EXPECT_EQ(server.request(), with_port(c.wire, server.port()));
}

INSTANTIATE_TEST_SUITE_P(
    Requests, RequestOnTheWire,
    ::testing::Values(
        WireCase{"PlainGet",
                 "http://127.0.0.1:{port}/list/deals.aspx?page=2&g=7",
                 {},
                 "GET /list/deals.aspx?page=2&g=7 HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent +
                     accept + "Referer: http://127.0.0.1:{port}/list/deals.aspx?page=2&g=7\r\n" +
                     language + "\r\n"},
        WireCase{"CapitalsInSchemeAndHost",
                 "HTTP://LocalHost:{port}/Path/Page?Q=Mixed",
                 {},
                 "GET /Path/Page?Q=Mixed HTTP/1.1\r\nHost: localhost:{port}\r\n" + agent + accept +
                     "Referer: HTTP://LocalHost:{port}/Path/Page?Q=Mixed\r\n" + language + "\r\n"},
        WireCase{"NoPath",
                 "http://127.0.0.1:{port}",
                 {},
                 "GET / HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent + accept +
                     "Referer: http://127.0.0.1:{port}\r\n" + language + "\r\n"},
        WireCase{"NoScheme",
                 "127.0.0.1:{port}/plain",
                 {},
                 "GET /plain HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent + accept +
                     "Referer: 127.0.0.1:{port}/plain\r\n" + language + "\r\n"},
        WireCase{"PathBytesUntouched",
                 "http://127.0.0.1:{port}/a/./../b/%zz?q=a+b&&",
                 {},
                 "GET /a/./../b/%zz?q=a+b&& HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent +
                     accept + "Referer: http://127.0.0.1:{port}/a/./../b/%zz?q=a+b&&\r\n" +
                     language + "\r\n"},
        WireCase{"CallerLinesAndTheirAccept", "http://127.0.0.1:{port}/h",
                 with_headers("X-Token: 7\r\naccept: x/y\r\n"),
                 "GET /h HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent +
                     "X-Token: 7\r\naccept: x/y\r\nReferer: http://127.0.0.1:{port}/h\r\n" +
                     language + "\r\n"},
        // The caller's Accept name inside a value still leaves the request without any Accept.
        WireCase{"AcceptNamedInsideAValue", "http://127.0.0.1:{port}/v",
                 with_headers("X-Note: no accept: here\r\n"),
                 "GET /v HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent +
                     "X-Note: no accept: here\r\nReferer: http://127.0.0.1:{port}/v\r\n" +
                     language + "\r\n"},
        WireCase{"LowerCasePostWithData", "http://127.0.0.1:{port}/form",
                 with_method("post", "a=1&b=%C4"),
                 "post /form HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent + accept +
                     "Referer: http://127.0.0.1:{port}/form\r\n" + language + form_type +
                     "Content-Length: 9\r\n\r\na=1&b=%C4"},
        WireCase{"PostWithoutData", "http://127.0.0.1:{port}/form", with_method("POST"),
                 "POST /form HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent + accept +
                     "Referer: http://127.0.0.1:{port}/form\r\n" + language + "\r\n"},
        WireCase{"PutBecomesGet", "http://127.0.0.1:{port}/put", with_method("PUT", "a=1"),
                 "GET /put HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent + accept +
                     "Referer: http://127.0.0.1:{port}/put\r\n" + language + "\r\n"},
        WireCase{"EmptyMethodBecomesGet", "http://127.0.0.1:{port}/e", with_method(""),
                 "GET /e HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent + accept +
                     "Referer: http://127.0.0.1:{port}/e\r\n" + language + "\r\n"},
        // The proxy gets the whole address; the named host is never looked up.
        WireCase{"ThroughProxy", "http://Shop.Quvolo.Test:8080/list?p=1",
                 with_proxy("127.0.0.1:{port}"),
                 "GET http://shop.quvolo.test:8080/list?p=1 HTTP/1.1\r\n"
                 "Host: shop.quvolo.test:8080\r\n" +
                     agent + accept + "Referer: http://Shop.Quvolo.Test:8080/list?p=1\r\n" +
                     language + "\r\n"},
        WireCase{"EmptyProxyGoesDirect", "http://127.0.0.1:{port}/d", with_proxy(""),
                 "GET /d HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent + accept +
                     "Referer: http://127.0.0.1:{port}/d\r\n" + language + "\r\n"}),
    [](const ::testing::TestParamInfo<WireCase>& info) { return info.param.name; });

// libcurl would announce a body this large with "Expect: 100-continue" and wait for an answer.
TEST(RequestOnTheWire, LargePostGoesOutWithoutWaitingToBeInvited) {
    RawServer server(ok_reply);
    const std::string data(1'100'000, 'x');
    FetchRequest request = with_method("POST", data);
    EXPECT_EQ(fetch_page(server.url("/form"), request), "ok");
    std::string received = server.request();
    std::size_t head_end = received.find("\r\n\r\n") + 4;
    EXPECT_EQ(received.substr(0, head_end),
              with_port("POST /form HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + agent + accept +
                            "Referer: http://127.0.0.1:{port}/form\r\n" + language + form_type +
                            "Content-Length: 1100000\r\n\r\n",
                        server.port()));
    EXPECT_TRUE(received.substr(head_end) == data) << "the body differs";
}

// Sets an environment variable for one scope.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() { unsetenv(name_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* name_;
};

TEST(RequestRoute, IsChosenByTheCallerNotByTheEnvironment) {
    testing::RefusingPort nowhere;
    ScopedEnvironment http_proxy("http_proxy",
                                 with_port("http://127.0.0.1:{port}", nowhere.port()));
    ScopedEnvironment no_proxy("no_proxy", "*");
    {
        RawServer server(ok_reply);
        EXPECT_EQ(fetch_page(server.url("/direct")), "ok");
    }
    {
        RawServer proxy(ok_reply);
        FetchRequest request = with_proxy(with_port("127.0.0.1:{port}", proxy.port()));
        EXPECT_EQ(fetch_page("http://shop.quvolo.test/via", request), "ok");
        EXPECT_TRUE(proxy.request().starts_with("GET http://shop.quvolo.test/via HTTP/1.1\r\n"));
    }
}

}  // namespace
}  // namespace quvolo
