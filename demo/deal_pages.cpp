#include "demo/deal_pages.h"

#include <algorithm>

#include "demo/calendar.h"
#include "demo/goods_listing.h"
#include "demo/html_text.h"
#include "demo/market_frame.h"
#include "demo/money_text.h"
#include "demo/not_found_page.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

constexpr int kDefaultPageSize = 80;
constexpr int kLargestPageSize = 200;

int positive_number(const std::string& text, int fallback, int largest) {
    if (text.empty() || text.size() > 9)
        return fallback;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return fallback;
        value = value * 10 + (c - '0');
    }
    return value < 1 ? fallback : std::min(value, largest);
}

std::string list_address(const PageRequest& request, const std::string& game_id, int page,
                         int page_size) {
    const auto value = [&](const char* key) {
        return request.has_param(key) ? request.param(key) : std::string("-1");
    };
    return request.origin() + "/list/viewlastestdeallist.aspx?ts=-1&offerid=&gm=" + game_id +
           "&raceid=" + value("raceid") + "&ga=" + value("ga") + "&gs=" + value("gs") +
           "&bt=" + value("bt") +
           "&sort=LastRefresh_DESC&section=-1_-1&pg=" + std::to_string(page) +
           "&ps=" + std::to_string(page_size);
}

std::string server_text(const Game& game, const GameLayout& layout, const Deal& deal) {
    const AreaInfo& area = layout.areas[deal.area];
    std::string text = game.name + "/" + area.name + "/" + area.servers[deal.server].name;
    if (deal.camp > 0)
        text += "/" + layout.camps[deal.camp - 1];
    return text;
}

void append_deal(std::string& out, const PageRequest& request, const Game& game,
                 const GameLayout& layout, const Deal& deal) {
    const GoodsListing lot = draw_goods(game, layout, deal.type, deal.area, deal.server,
                                        deal.time / 86400, 1.0, deal.seed);
    out += "            <ul class=\"li1\">\r\n                <li class=\"name\"><a href=\"";
    out += request.origin() + "/detail/" + game.id + "/" + DealBook::order_number(deal) + ".shtml";
    out += "\" target=\"_blank\">";
    out += lot.title;
    out += "</a></li>\r\n                <li>";
    out += GBK("游戏/区/服/阵营：");
    out += server_text(game, layout, deal);
    out += "</li>\r\n            </ul>\r\n";
    out += "            <ul class=\"li2\">\r\n                <li class=\"in_ac\">";
    out += goods_type_table()[layout.goods_types[deal.type]].name;
    out += "</li>\r\n                <li class=\"orange\">";
    out += price_text_trimmed(lot.price_cents);
    out += GBK("元</li>\r\n                <li><span class=\"orange\">");
    out += lot.unit_price;
    out += "</span></li>\r\n                <li class=\"in_ac\">";
    out += market_time_text(deal.time);
    out += "</li>\r\n            </ul>\r\n";
}

void append_pager(std::string& out, const PageRequest& request, const std::string& game_id,
                  int total, int pages, int page, int page_size) {
    out += "<div class=\"pagebox beta\">\r\n<ul>";
    out += GBK("<li class=\"yeshu\">共 ") + std::to_string(total) + GBK(" 单，共 ") +
           std::to_string(pages) + GBK(" 页</li>");
    const auto link = [&](int target, const std::string& caption) {
        out += "<li><a href=\"" + html_escape(list_address(request, game_id, target, page_size)) +
               "\">" + caption + "</a></li>";
    };
    if (page > 1) {
        link(1, GBK("首页"));
        link(page - 1, GBK("上一页"));
    }
    for (int p = std::max(1, page - 4); p <= std::min(pages, page + 4); ++p) {
        if (p == page) {
            out += "<li class=\"cur\">" + std::to_string(p) + "</li>";
        } else {
            link(p, std::to_string(p));
        }
    }
    if (page < pages) {
        link(page + 1, GBK("下一页"));
        link(pages, GBK("尾页"));
    }
    out += "</ul>\r\n</div>\r\n";
}

}  // namespace

PageResponse deal_list_page(const DemoData& data, const PageRequest& request) {
    const int page = positive_number(request.param("pg"), 1, 1 << 20);
    const int page_size = positive_number(request.param("ps"), kDefaultPageSize, kLargestPageSize);
    const std::string game_id = request.param("gm");
    const Game* game = data.world.find_game(game_id);
    DealSlice slice;
    std::shared_ptr<const GameLayout> layout;
    if (game) {
        layout = data.world.layout(*game);
        DealFilter filter{request.param("ga"), request.param("gs"), request.param("bt"),
                          request.param("raceid")};
        slice = data.deals.slice(*game, filter, (page - 1) * page_size, page_size);
    }
    const int pages = (slice.total + page_size - 1) / page_size;
    std::string out = market_page_head(
        game ? game->name + GBK("最新成交记录") : std::string(GBK("最新成交记录")), request);
    out.reserve(out.size() + 2048 + slice.rows.size() * 720);
    out += GBK("<div class=\"crumbs\">您的位置：<a href=\"") + html_escape(request.origin()) +
           GBK("/\">首页</a> &gt; ");
    if (game) {
        out += "<a href=\"" + request.origin() + "/search/" + game->id + ".shtml\">" + game->name +
               "</a> &gt; ";
    }
    out += GBK("最新成交</div>\r\n<div class=\"dealbox\">\r\n");
    if (slice.rows.empty()) {
        out += GBK("<div class=\"nodata\">暂无符合条件的成交记录</div>\r\n");
    } else {
        out += "<div class=\"listhead\"><ul>";
        out +=
            GBK("<li class=\"l1\">商品名称</li><li class=\"l2\">商品类型</li>"
                "<li class=\"l3\">价格</li><li class=\"l4\">单价</li>"
                "<li class=\"l5\">成交时间</li>");
        out += "</ul></div>\r\n<div class=\"listmain\">\r\n";
        for (std::size_t i = 0; i < slice.rows.size(); ++i) {
            if (i > 0)
                out += " </div><div class=\"listmain\">\r\n";
            append_deal(out, request, *game, *layout, *slice.rows[i]);
        }
        out += " </div>\r\n<div class=\"clear\"></div>\r\n";
    }
    append_pager(out, request, html_escape(game_id), slice.total, pages, page, page_size);
    out += "</div>\r\n";
    out += market_page_foot();
    return page_ok(kGbkHtml, std::move(out));
}

PageResponse deal_detail_page(const DemoData& data, const PageRequest& request) {
    // "/detail/<game>/<order>.shtml"
    const std::string rest = request.path.substr(std::string_view("/detail/").size());
    const std::size_t slash = rest.find('/');
    const std::size_t dot = rest.rfind(".shtml");
    if (slash == std::string::npos || dot == std::string::npos || dot < slash) {
        return not_found_page(request);
    }
    const Game* game = data.world.find_game(rest.substr(0, slash));
    if (!game)
        return not_found_page(request);
    std::shared_ptr<const GameDeals> keep;
    const Deal* deal = data.deals.find_order(*game, rest.substr(slash + 1, dot - slash - 1), keep);
    if (!deal)
        return not_found_page(request);
    const auto layout = data.world.layout(*game);
    const GoodsListing lot = draw_goods(*game, *layout, deal->type, deal->area, deal->server,
                                        deal->time / 86400, 1.0, deal->seed);
    std::string out = market_page_head(lot.title, request);
    out +=
        GBK("<div class=\"detail\">\r\n<h1>") + lot.title + "</h1>\r\n<table class=\"info\">\r\n";
    const auto row = [&](const std::string& caption, const std::string& value) {
        out += "<tr><th>" + caption + "</th><td>" + value + "</td></tr>\r\n";
    };
    row(GBK("订单编号："), DealBook::order_number(*deal));
    row(GBK("游戏/区/服："), server_text(*game, *layout, *deal));
    row(GBK("商品类型："), goods_type_table()[layout->goods_types[deal->type]].name);
    row(GBK("成交价格："), price_text_trimmed(lot.price_cents) + GBK("元"));
    row(GBK("单价："), lot.unit_price);
    row(GBK("成交时间："), market_time_text(deal->time));
    row(GBK("交易状态："), GBK("交易成功"));
    out += "</table>\r\n</div>\r\n";
    out += market_page_foot();
    return page_ok(kGbkHtml, std::move(out));
}

}  // namespace quvolo::demo
