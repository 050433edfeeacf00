#include <gtest/gtest.h>

#include "demo/faults.h"
#include "demo_test_server.h"
#include "raw_http.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

using std::chrono::milliseconds;

constexpr const char* kPage =
    "/ajax.axd?methodName=gamesV31&cache=20&gameType=GameAreas&tradingType=other&id=1000"
    "&jsoncallback=callarea";
constexpr const char* kPath = "/ajax.axd";

TEST(FaultRules, ParseFromTheCommandLineForm) {
    struct Case {
        const char* text;
        bool valid;
        std::string pattern = "";
        FaultKind kind = FaultKind::delay;
        long long argument = 0;
    };
    const Case cases[] = {
        {"/list/*:delay:1500", true, "/list/*", FaultKind::delay, 1500},
        {"*:delay", true, "*", FaultKind::delay, 2000},
        {"*:reset", true, "*", FaultKind::reset, 0},
        {"*:stall:10", true, "*", FaultKind::stall, 10},
        {"/ajax.axd:truncate:7", true, "/ajax.axd", FaultKind::truncate, 7},
        {"/a:b:status:404", true, "/a:b", FaultKind::status, 404},
        {"*:garbage:99", true, "*", FaultKind::garbage, 99},
        {"/search/*:bad-gbk", true, "/search/*", FaultKind::bad_gbk, 0},
        {"*:huge:3", true, "*", FaultKind::huge, 3},
        {"", false},
        {"*", false},
        {"*:boom", false},
        {":reset", false},
        {"*:status:200", false},
        {"*:status:600", false},
        {"*:delay:abc", false},
        {"*:delay:-5", false},
        {"*:huge:0", false},
        {"*:bad-gbk:3", false},
    };
    for (const Case& c : cases) {
        const auto rule = parse_fault_rule(c.text);
        ASSERT_EQ(rule.has_value(), c.valid) << c.text;
        if (!rule)
            continue;
        EXPECT_EQ(rule->pattern, c.pattern) << c.text;
        EXPECT_EQ(rule->kind, c.kind) << c.text;
        EXPECT_EQ(rule->argument, c.argument) << c.text;
        EXPECT_EQ(parse_fault_rule(fault_rule_text(*rule))->argument, rule->argument) << c.text;
    }
}

TEST(FaultRules, PatternsMatchWholePathsWithStars) {
    struct Case {
        const char* pattern;
        const char* path;
        bool matches;
    };
    const Case cases[] = {
        {"*", "/anything/at/all", true},
        {"/ajax.axd", "/ajax.axd", true},
        {"/ajax.axd", "/ajax.axd2", false},
        {"/list/*", "/list/viewlastestdeallist.aspx", true},
        {"/list/*", "/lists/x", false},
        {"/search/*-0-0-0-*.shtml", "/search/1/t1-a2-s3-0-0-0-4.shtml", true},
        {"/search/*-0-0-0-*.shtml", "/search/1/t1-a2.shtml", false},
        {"*.png", "/ntgame/Tovana/images/rank_20250511.png", true},
        {"**x", "/x", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(path_matches(c.pattern, c.path), c.matches) << c.pattern << " " << c.path;
    }
}

class FaultsServed : public ::testing::Test {
  protected:
    void SetUp() override {
        demo_ = DemoMarketplace::start(test_options(clock_));
        ASSERT_TRUE(demo_);
        page_ = raw_get(demo_->port(), kPage, milliseconds(5000)).body;
        ASSERT_GT(page_.size(), 200u);
    }
    void set(const std::string& rule) { demo_->set_faults({*parse_fault_rule(rule)}); }

    ManualClock clock_;
    std::unique_ptr<DemoMarketplace> demo_;
    std::string page_;  // the page as it is without faults
};

TEST_F(FaultsServed, TruncateClosesAfterTheFirstBytes) {
    set(std::string(kPath) + ":truncate:100");
    const RawExchange got = raw_get(demo_->port(), kPage, milliseconds(5000));
    EXPECT_EQ(got.status, 200);
    EXPECT_EQ(got.content_length, static_cast<long long>(page_.size()));
    EXPECT_EQ(got.body, page_.substr(0, 100));
    EXPECT_TRUE(got.closed || got.reset);
}

TEST_F(FaultsServed, ResetBreaksTheConnection) {
    set(std::string(kPath) + ":reset:50");
    const RawExchange got = raw_get(demo_->port(), kPage, milliseconds(5000));
    EXPECT_TRUE(got.reset);
    EXPECT_LE(got.body.size(), 50u);
}

TEST_F(FaultsServed, StallKeepsTheConnectionOpenWithoutSendingMore) {
    set(std::string(kPath) + ":stall:120");
    const RawExchange got = raw_get(demo_->port(), kPage, milliseconds(400));
    EXPECT_TRUE(got.went_quiet);
    EXPECT_FALSE(got.closed);
    EXPECT_EQ(got.body, page_.substr(0, 120));
    // The stalled worker lets go once the client is gone; the server keeps answering.
    demo_->set_faults({});
    EXPECT_EQ(raw_get(demo_->port(), kPage, milliseconds(5000)).body, page_);
}

TEST_F(FaultsServed, StatusFaultsAnswerWithTheirErrorPage) {
    for (int status : {404, 500, 503}) {
        set(std::string(kPath) + ":status:" + std::to_string(status));
        const RawExchange got = raw_get(demo_->port(), kPage, milliseconds(5000));
        EXPECT_EQ(got.status, status);
        EXPECT_NE(got.body.find(std::to_string(status)), std::string::npos);
        EXPECT_EQ(got.body.find("callarea(["), std::string::npos);
    }
}

TEST_F(FaultsServed, GarbageReplacesThePage) {
    set(std::string(kPath) + ":garbage:5000");
    const RawExchange got = raw_get(demo_->port(), kPage, milliseconds(5000));
    EXPECT_EQ(got.status, 200);
    EXPECT_EQ(got.body.size(), 5000u);
    EXPECT_EQ(got.body.find("callarea"), std::string::npos);
}

TEST_F(FaultsServed, BadGbkBreaksDoubleByteCharacters) {
    set(std::string(kPath) + ":bad-gbk");
    const RawExchange got = raw_get(demo_->port(), kPage, milliseconds(5000));
    ASSERT_EQ(got.body.size(), page_.size() + 1);
    EXPECT_EQ(got.body.back(), '\x81') << "a lead byte without its trail";
    bool broken = false;
    for (std::size_t i = 0; i + 1 < got.body.size(); ++i) {
        if (static_cast<unsigned char>(got.body[i]) < 0x80)
            continue;
        broken |= got.body[i + 1] == '\x7F';
        ++i;
    }
    EXPECT_TRUE(broken);
}

TEST_F(FaultsServed, HugeSendsTheWholeAnnouncedSize) {
    set(std::string(kPath) + ":huge:3");
    const RawExchange got = raw_get(demo_->port(), kPage, milliseconds(5000));
    EXPECT_EQ(got.content_length, 3LL << 20);
    EXPECT_EQ(got.body.size(), std::size_t{3} << 20);
    EXPECT_EQ(got.body.compare(0, page_.size(), page_), 0);
}

TEST_F(FaultsServed, DelayHoldsTheAnswerBack) {
    set(std::string(kPath) + ":delay:400");
    const auto started = std::chrono::steady_clock::now();
    const RawExchange got = raw_get(demo_->port(), kPage, milliseconds(5000));
    EXPECT_GE(std::chrono::steady_clock::now() - started, milliseconds(400));
    EXPECT_EQ(got.body, page_);
}

TEST_F(FaultsServed, OnlyMatchingPathsMisbehave) {
    set("/list/*:status:500");
    EXPECT_EQ(raw_get(demo_->port(), kPage, milliseconds(5000)).body, page_);
    EXPECT_EQ(
        raw_get(demo_->port(), "/list/viewlastestdeallist.aspx?gm=1000", milliseconds(5000)).status,
        500);
}

}  // namespace
}  // namespace quvolo::demo
