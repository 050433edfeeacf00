#include "demo/publisher_pages.h"

#include <cmath>
#include <cstdio>

#include "demo/calendar.h"
#include "demo/game_words.h"
#include "demo/goods_listing.h"
#include "demo/line_chart.h"
#include "demo/money_text.h"
#include "demo/not_found_page.h"
#include "demo/rng.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

constexpr std::string_view kTrendBase = "/NetWork/cxweb/hangqing/";
constexpr int kTrendDays = 30;

struct TrendGame {
    const char* caption;  // UTF-8; the part before "-" is the game's name
    const char* page;
};

constexpr TrendGame kTrendGames[] = {
    {"暗黑破坏神3", "daboluo3"},
    {"地下城与勇士", "dnf"},
    {"斗战神", "douzhanshen"},
    {"第九大陆", "c9"},
    {"剑侠情缘Ⅲ", "jian3"},
    {"九阴真经", "9yin"},
    {"剑灵", "bns"},
    {"龙之谷", "dn"},
    {"诺亚传说", "nuoyachuanshuo"},
    {"QQ华夏-游戏币", "QQhuaxia-youxibi"},
    {"QQ华夏-元宝", "QQhuaxia-yuanbao"},
    {"QQ三国", "QQsanguo"},
    {"晴空物语", "qingkongwuyu"},
    {"热血传奇", "mir2"},
    {"圣斗士星矢", "seiya"},
    {"圣王-灵石", "shengwang-lingshi"},
    {"圣王-游戏币", "shengwang-youxibi"},
    {"时空裂痕", "rift"},
    {"蜀门", "shumen"},
    {"颓废之心", "tuifeizhixin"},
    {"新天堂II", "xintiantang2"},
    {"问道-游戏币", "wendao-youxibi"},
    {"问道-元宝", "wendao-yuanbao"},
    {"笑傲江湖", "xiaoaojianghu"},
    {"新天龙八部", "xintianlongbabu"},
    {"轩辕传奇", "xuanyuanchuanqi"},
    {"仙境传说", "ro"},
    {"新寻仙", "xinxunxian"},
    {"仙侠世界", "xianxiashijie"},
    {"寻龙记", "xunlongji"},
    {"御龙在天", "yulongzaitian"},
    {"征途2S", "zhengtu2"},
    {"诛仙2", "zhuxian2"},
};

std::string publisher_head(const std::string& title) {
    std::string out =
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" "
        "content=\"text/html; charset=gb2312\" />\r\n<title>";
    out += title + GBK(" - Lumora软件</title>\r\n");
    out +=
        "<style>body{font:14px/1.6 sans-serif;margin:0;background:#f4f6f9;color:#333}"
        ".nav{background:#1f5fa8;padding:8px 16px}.nav a{color:#fff;text-decoration:none}"
        ".main{background:#fff;margin:12px;padding:12px 16px;border:1px solid #dde3ea}"
        "h1{font-size:18px;color:#1f5fa8}table.trend td,table.trend th{padding:2px 12px;"
        "border-bottom:1px solid #eee}.board li{list-style:none;border-bottom:1px dashed #ddd;"
        "padding:6px 0}.who{color:#1f5fa8;font-weight:bold}.when{color:#999;font-size:12px}"
        ".foot{color:#999;font-size:12px;text-align:center;padding:8px}</style>\r\n"
        "</head>\r\n<body>\r\n";
    out +=
        GBK("<div class=\"nav\"><a href=\"/\">Lumora软件</a> | <a href=\"/index.php/archives/"
            "category/lumorasoft\">软件下载</a> | <a href=\"/koushui/index.asp\">留言板</a> | "
            "<a href=\"/NetWork/cxweb/hangqing/dnf.html\">交易行情</a></div>\r\n");
    return out;
}

std::string publisher_foot() {
    return GBK(
        "<div class=\"foot\">Copyright &copy; Lumora软件工作室</div>\r\n</body>\r\n</html>\r\n");
}

// A trend page's game and goods type: the game of the caption's name, the premium
// currency when the caption names one.
struct TrendSource {
    const TrendGame* trend = nullptr;
    const Game* game = nullptr;
    int type = 0;
};

std::optional<TrendSource> trend_source(const GameWorld& world, std::string_view page) {
    for (const TrendGame& trend : kTrendGames) {
        if (page != trend.page)
            continue;
        const std::string caption = trend.caption;
        const std::string name = utf8_to_gbk(caption.substr(0, caption.find('-')));
        TrendSource source{&trend};
        for (const Game& game : world.games()) {
            if (game.name == name)
                source.game = &game;
        }
        if (!source.game)
            return std::nullopt;
        if (caption.find("游戏币") == std::string::npos && caption.find('-') != std::string::npos) {
            const auto layout = world.layout(*source.game);
            const int premium = GameWorld::goods_type_position(*layout, "6");
            source.type = premium < 0 ? 0 : premium;
        }
        return source;
    }
    return std::nullopt;
}

std::vector<double> trend_prices(const DemoData& data, const TrendSource& source) {
    const auto layout = data.world.layout(*source.game);
    std::vector<double> prices;
    for (std::int64_t day = data.today - kTrendDays; day < data.today; ++day) {
        prices.push_back(market_unit_price(*layout, source.type, 0, 0, day));
    }
    return prices;
}

PageResponse trend_page(const DemoData& data, const PageRequest& request, std::string_view page) {
    const auto source = trend_source(data.world, page);
    if (!source)
        return not_found_page(request);
    const auto layout = data.world.layout(*source->game);
    const std::string caption = utf8_to_gbk(source->trend->caption);
    const std::string unit = source->type == 0 ? layout->currency_unit : GBK("元宝");
    const std::vector<double> prices = trend_prices(data, *source);
    std::string out = publisher_head(caption + GBK(" 交易行情"));
    out += "<div class=\"main\">\r\n<h1>" + caption + GBK(" 近30天交易行情</h1>\r\n");
    out += "<img src=\"" + std::string(kTrendBase) + "images/" + std::string(page) +
           GBK(".png\" width=\"760\" height=\"320\" alt=\"价格走势\" />\r\n");
    out += GBK("<table class=\"trend\">\r\n<tr><th>日期</th><th>平均单价</th></tr>\r\n");
    for (int i = kTrendDays - 1; i >= kTrendDays - 7; --i) {
        out += "<tr><td>" + date_text(data.today - kTrendDays + i) + "</td><td>" +
               unit_price_number_text(prices[i]) + GBK("元/") + unit + "</td></tr>\r\n";
    }
    out += "</table>\r\n</div>\r\n" + publisher_foot();
    return page_ok(kGbkHtml, std::move(out));
}

PageResponse trend_chart(const DemoData& data, const PageRequest& request, std::string_view page) {
    const auto source = trend_source(data.world, page);
    if (!source)
        return not_found_page(request);
    const std::vector<double> prices = trend_prices(data, *source);
    double low = prices[0], high = prices[0];
    for (double price : prices) {
        low = std::min(low, price);
        high = std::max(high, price);
    }
    const double margin = (high - low) * 0.1 + 1e-9;
    return page_ok(kPng, line_chart_png(760, 320, {{prices, chart_colour(0)}}, low - margin,
                                        high + margin, 6, false));
}

PageResponse message_board(const DemoData& data) {
    const GameWords& words = game_words();
    std::string out = publisher_head(GBK("留言口水"));
    out += GBK("<div class=\"main\">\r\n<h1>留言口水</h1>\r\n<ul class=\"board\">\r\n");
    Random rng(
        key_of({data.world.seed(), hash_text("board"), static_cast<std::uint64_t>(data.today)}));
    std::int64_t when = data.today * 86400 - rng.between(600, 7200);
    for (int i = 0; i < 12; ++i) {
        out += "<li><span class=\"who\">" + rng.pick(words.board_authors) +
               "</span> <span class=\"when\">" + market_time_text(when) + "</span><p>" +
               rng.pick(words.board_messages) + "</p></li>\r\n";
        when -= rng.between(1800, 40000);
    }
    out += GBK(
        "</ul>\r\n<form method=\"post\" action=\"/koushui/save.asp\"><textarea name=\"content\">"
        "</textarea><input type=\"submit\" value=\"发表留言\" /></form>\r\n</div>\r\n");
    out += publisher_foot();
    return page_ok(kGbkHtml, std::move(out));
}

PageResponse update_page(const std::string& version_answer) {
    std::string out = publisher_head(GBK("软件下载"));
    out += GBK("<div class=\"main\">\r\n<h1>Lumora Quvolo 下载</h1>\r\n<ul class=\"posts\">\r\n");
    out += GBK("<li><a href=\"/index.php/archives/quvolo\">Quvolo v") + version_answer +
           GBK(" 正式版发布</a> 修正若干问题，提升查询速度。</li>\r\n");
    out +=
        GBK("<li><a href=\"/index.php/archives/quvolo-1100\">Quvolo v1.100</a> "
            "新增Ketzal新游交易量查询。</li>\r\n");
    out +=
        GBK("<li><a href=\"/index.php/archives/quvolo-1090\">Quvolo v1.090</a> "
            "新增价格监控音乐报警。</li>\r\n");
    out += "</ul>\r\n</div>\r\n" + publisher_foot();
    return page_ok(kGbkHtml, std::move(out));
}

PageResponse home_page() {
    std::string out = publisher_head(GBK("首页"));
    out += GBK(
        "<div class=\"main\">\r\n<h1>Lumora软件工作室</h1>\r\n<p>专注网游交易辅助工具。"
        "Quvolo：成交量查询、价格监控、排行榜、新游交易量，一个软件全搞定。</p>\r\n"
        "<p><a href=\"/index.php/archives/category/lumorasoft\">立即下载</a></p>\r\n</div>\r\n");
    out += publisher_foot();
    return page_ok(kGbkHtml, std::move(out));
}

PageResponse counter_page(const DemoData& data) {
    Random rng(
        key_of({data.world.seed(), hash_text("visits"), static_cast<std::uint64_t>(data.today)}));
    std::string out = publisher_head(GBK("统计"));
    out += GBK("<div class=\"count\">今日访问：") + grouped_integer(rng.between(800, 3000)) +
           GBK("　总访问：") + grouped_integer(1200000 + rng.between(0, 90000)) + "</div>\r\n";
    out += publisher_foot();
    return page_ok(kGbkHtml, std::move(out));
}

}  // namespace

PageResponse publisher_page(const DemoData& data, const PageRequest& request,
                            const std::string& version_answer) {
    const std::string_view path = request.path;
    if (path == "/" || path == "/index.php")
        return home_page();
    if (path == "/NetWork/lumorasoft/Tovana/ver.asp")
        return page_ok(kGbkHtml, version_answer);
    if (path == "/NetWork/lumorasoft/Tovana/tongji.html")
        return counter_page(data);
    if (path == "/koushui/index.asp")
        return message_board(data);
    if (path == "/index.php/archives/category/lumorasoft")
        return update_page(version_answer);
    if (path.starts_with(kTrendBase)) {
        std::string_view name = path.substr(kTrendBase.size());
        if (name.starts_with("images/") && name.ends_with(".png")) {
            return trend_chart(data, request, name.substr(7, name.size() - 11));
        }
        if (name.ends_with(".html"))
            return trend_page(data, request, name.substr(0, name.size() - 5));
    }
    return not_found_page(request);
}

}  // namespace quvolo::demo
