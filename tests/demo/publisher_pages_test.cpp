#include <gtest/gtest.h>

#include "demo_test_server.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

constexpr const char* kVersion = "/NetWork/lumorasoft/Tovana/ver.asp";

TEST(PublisherPages, VersionServiceAnswersExactlyTheVersionItIsGiven) {
    ManualClock clock;
    DemoOptions options = test_options(clock);
    const auto demo = DemoMarketplace::start(options);
    ASSERT_TRUE(demo);
    EXPECT_EQ(http_get(*demo, kVersion).body, "1.101");
    for (const char* answer : {"1.102", "1.101\r\n", ""}) {
        demo->set_version_answer(answer);
        const HttpAnswer got = http_get(*demo, kVersion);
        EXPECT_EQ(got.status, 200);
        EXPECT_EQ(got.body, answer);
    }
}

TEST(PublisherPages, EveryTrendPageShowsItsGameAndAChart) {
    struct Case {
        const char* page;
        const char* caption;
    };
    const Case cases[] = {
        {"daboluo3", "暗黑破坏神3"},
        {"dnf", "地下城与勇士"},
        {"douzhanshen", "斗战神"},
        {"c9", "第九大陆"},
        {"jian3", "剑侠情缘Ⅲ"},
        {"9yin", "九阴真经"},
        {"bns", "剑灵"},
        {"dn", "龙之谷"},
        {"nuoyachuanshuo", "诺亚传说"},
        {"QQhuaxia-youxibi", "QQ华夏-游戏币"},
        {"QQhuaxia-yuanbao", "QQ华夏-元宝"},
        {"QQsanguo", "QQ三国"},
        {"qingkongwuyu", "晴空物语"},
        {"mir2", "热血传奇"},
        {"seiya", "圣斗士星矢"},
        {"shengwang-lingshi", "圣王-灵石"},
        {"shengwang-youxibi", "圣王-游戏币"},
        {"rift", "时空裂痕"},
        {"shumen", "蜀门"},
        {"tuifeizhixin", "颓废之心"},
        {"xintiantang2", "新天堂II"},
        {"wendao-youxibi", "问道-游戏币"},
        {"wendao-yuanbao", "问道-元宝"},
        {"xiaoaojianghu", "笑傲江湖"},
        {"xintianlongbabu", "新天龙八部"},
        {"xuanyuanchuanqi", "轩辕传奇"},
        {"ro", "仙境传说"},
        {"xinxunxian", "新寻仙"},
        {"xianxiashijie", "仙侠世界"},
        {"xunlongji", "寻龙记"},
        {"yulongzaitian", "御龙在天"},
        {"zhengtu2", "征途2S"},
        {"zhuxian2", "诛仙2"},
    };
    for (const Case& c : cases) {
        const std::string base = std::string("/NetWork/cxweb/hangqing/");
        const HttpAnswer page = http_get(shared_demo(), base + c.page + ".html");
        ASSERT_EQ(page.status, 200) << c.page;
        EXPECT_NE(page.body.find(utf8_to_gbk(c.caption)), std::string::npos) << c.page;
        const HttpAnswer chart = http_get(shared_demo(), base + "images/" + c.page + ".png");
        EXPECT_EQ(chart.status, 200) << c.page;
        EXPECT_EQ(chart.body.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0) << c.page;
    }
    EXPECT_EQ(http_get(shared_demo(), "/NetWork/cxweb/hangqing/wow.html").status, 404);
}

TEST(PublisherPages, SitePagesAnswerInGbk) {
    struct Case {
        const char* path;
        const char* text;
    };
    const Case cases[] = {
        {"/", "Lumora软件工作室"},
        {"/koushui/index.asp", "留言口水"},
        {"/NetWork/lumorasoft/Tovana/tongji.html", "今日访问"},
        {"/index.php/archives/category/lumorasoft", "Quvolo v1.101"},
    };
    for (const Case& c : cases) {
        const HttpAnswer page = http_get(shared_demo(), c.path);
        EXPECT_EQ(page.status, 200) << c.path;
        EXPECT_NE(page.content_type.find("gb2312"), std::string::npos) << c.path;
        EXPECT_NE(page.body.find(utf8_to_gbk(c.text)), std::string::npos) << c.path;
    }
}

}  // namespace
}  // namespace quvolo::demo
