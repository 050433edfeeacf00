#include <gtest/gtest.h>

#include <chrono>
#include <stop_token>
#include <thread>
#include <vector>

#include "net/fetch.h"
#include "raw_server.h"

namespace quvolo {
namespace {

using namespace std::chrono_literals;
using testing::RawServer;
using testing::RefusingPort;
using testing::with_port;
using AfterReply = RawServer::AfterReply;

struct ResponseCase {
    std::string name;
    std::string reply;
    std::string page;   // what fetch_page gives
    std::string bytes;  // what fetch_bytes gives
    AfterReply after = AfterReply::close;
    FetchControl control = {};
};

FetchControl limited_to(std::size_t body_limit) {
    FetchControl control;
    control.body_limit = body_limit;
    return control;
}

FetchControl timing_out_after(std::chrono::milliseconds timeout) {
    FetchControl control;
    control.timeout = timeout;
    return control;
}

class ResponseBody : public ::testing::TestWithParam<ResponseCase> {};

TEST_P(ResponseBody, ComesBackAsPageAndAsBytes) {
    const ResponseCase& c = GetParam();
    {
        RawServer server(c.reply, c.after);
        EXPECT_EQ(fetch_page(server.url("/p"), {}, c.control), c.page);
    }
    {
        RawServer server(c.reply, c.after);
        EXPECT_EQ(fetch_bytes(server.url("/b"), {}, c.control), c.bytes);
    }
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Replies, ResponseBody,
    ::testing::Values(
        ResponseCase{"ErrorPage", "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot here.",
                     "not here.", "not here."},
        ResponseCase{"ZeroByte", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nab\0cd"s, "ab",
                     "ab\0cd"s},
        ResponseCase{"Chunked",
                     "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                     "5\r\nhello\r\n6\r\n world\r\n0\r\n\r\n",
                     "hello world", "hello world"},
        ResponseCase{"EndsAtClose", "HTTP/1.1 200 OK\r\n\r\nuntil close", "until close",
                     "until close"},
        ResponseCase{"RedirectNotFollowed",
                     "HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:1/\r\n"
                     "Content-Length: 5\r\n\r\nmoved",
                     "moved", "moved"},
        ResponseCase{"DroppedMidBody", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nfirst part",
                     "first part", "first part"},
        ResponseCase{"NotHttp", "\x01\xff nonsense\r\n\r\n", "", ""},
        ResponseCase{"BodyAtLimit", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n123456789",
                     "123456789", "123456789", AfterReply::close, limited_to(9)},
        ResponseCase{"BodyOverLimit", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n1234567890", "",
                     "", AfterReply::close, limited_to(9)},
        ResponseCase{"NeverAnswers", "", "", "", AfterReply::hold_open, timing_out_after(200ms)},
        ResponseCase{"StallsMidBody", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nfirst part",
                     "first part", "first part", AfterReply::hold_open, timing_out_after(200ms)}),
    [](const ::testing::TestParamInfo<ResponseCase>& info) { return info.param.name; });

TEST(Fetch, RefusedConnectionGivesEmpty) {
    RefusingPort refusing;
    EXPECT_EQ(fetch_bytes(with_port("http://127.0.0.1:{port}/", refusing.port())), "");
}

// Each of these addresses would reach the server if it were passed on as a url string.
class UnsendableAddress : public ::testing::TestWithParam<std::string> {};

TEST_P(UnsendableAddress, IsNeverRequested) {
    RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 7\r\n\r\nreached");
    EXPECT_EQ(fetch_bytes(with_port(GetParam(), server.port())), "");
}

INSTANTIATE_TEST_SUITE_P(Addresses, UnsendableAddress,
                         ::testing::Values("http://user@127.0.0.1:{port}/",
                                           "http://127.0.0.1:{port}/a\r\nX-Injected: 1",
                                           "http://127.0.0.1:{port}/a\nb",
                                           "http://127.0.0.1:{port}/\0"s));

TEST(Fetch, RawHeadersAreTheFinalResponsesBlock) {
    RawServer server(
        "HTTP/1.1 100 Continue\r\n\r\n"
        "HTTP/1.1 200 OK\r\nX-Tag: a\r\nContent-Length: 2\r\n\r\nok");
    std::string headers = "stale";
    FetchRequest request;
    request.raw_headers_out = &headers;
    EXPECT_EQ(fetch_page(server.url("/"), request), "ok");
    EXPECT_EQ(headers, "HTTP/1.1 200 OK\r\nX-Tag: a\r\nContent-Length: 2\r\n\r\n");
}

TEST(Fetch, StopFromAnotherThreadAbortsAStalledBody) {
    RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\nfirst part",
                     AfterReply::hold_open);
    std::stop_source stop;
    FetchControl control;
    control.stop = stop.get_token();
    control.timeout = 10min;  // only the stop can end this fetch in time
    std::jthread stopper([&] {
        server.wait_until_replied();
        stop.request_stop();
    });
    EXPECT_EQ(fetch_bytes(server.url("/slow"), {}, control), "");
}

TEST(Fetch, CallsBetweenReadsWhileReading) {
    RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
    int calls = 0;
    FetchControl control;
    control.between_reads = [&calls] { ++calls; };
    EXPECT_EQ(fetch_page(server.url("/"), {}, control), "ok");
    EXPECT_GT(calls, 0);
}

TEST(Fetch, CallsFromManyThreadsAtOnceKeepTheirOwnBodies) {
    constexpr int thread_count = 6;
    std::vector<std::string> bodies(thread_count);
    {
        std::vector<std::jthread> threads;
        for (int i = 0; i < thread_count; ++i) {
            threads.emplace_back([i, &bodies] {
                std::string body = "body " + std::to_string(i);
                RawServer server("HTTP/1.1 200 OK\r\nContent-Length: " +
                                 std::to_string(body.size()) + "\r\n\r\n" + body);
                bodies[static_cast<std::size_t>(i)] = fetch_page(server.url("/"));
            });
        }
    }
    for (int i = 0; i < thread_count; ++i) {
        EXPECT_EQ(bodies[static_cast<std::size_t>(i)], "body " + std::to_string(i));
    }
}

}  // namespace
}  // namespace quvolo
