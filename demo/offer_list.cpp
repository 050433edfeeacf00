#include "demo/offer_list.h"

#include <algorithm>

#include "demo/goods_listing.h"
#include "demo/html_text.h"
#include "demo/market_frame.h"
#include "demo/money_text.h"
#include "demo/not_found_page.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

std::string offer_address(const std::string& origin, const GameLayout& layout,
                          const SearchTarget& target, const Offer& offer) {
    return origin + "/buy/" + layout.areas[target.area].servers[target.server].id + "/" +
           goods_type_table()[layout.goods_types[target.type]].id + "/" +
           OfferBook::offer_code(offer) + ".shtml";
}

std::string place_text(const Game& game, const GameLayout& layout, int area, int server) {
    return game.name + "/" + layout.areas[area].name + "/" +
           layout.areas[area].servers[server].name;
}

void append_offer(std::string& out, const DemoData& data, const std::string& origin,
                  const SearchTarget& target, const GameLayout& layout, const Offer& offer) {
    const GoodsListing lot = draw_goods(*target.game, layout, target.type, target.area,
                                        target.server, data.today, offer.price_level, offer.seed);
    const std::string address = offer_address(origin, layout, target, offer);
    SearchTarget type_page{target.game, target.type};
    out += "\r\n<ul class=\"pdl_tit\">\r\n<li class=\"tt\"><span class=\"";
    out += offer.guaranteed ? GBK("ico_bao\" title=\"担保交易\"></span>")
                            : GBK("ico_ji\" title=\"寄售交易\"></span>");
    out += "<a href=\"" + address + "\" target=\"_blank\">" + lot.title + "</a></li>\r\n";
    out += "<li class=\"qf\">" + place_text(*target.game, layout, target.area, target.server) +
           "</li>\r\n</ul>\r\n<ul class=\"pdl_info\">\r\n<li class=\"lx\"><a href=\"" +
           search_address(origin, type_page, layout) + GBK("\" title=\"所有商品\">") +
           goods_type_table()[layout.goods_types[target.type]].name + "</a></li>\r\n";
    out += "<li class=\"jg\"><strong>" + price_text_fixed(lot.price_cents) +
           GBK("</strong>元</li><li>") + lot.unit_price + "</li>\r\n";
    out += GBK("<li class=\"kc\">库存：1件</li>\r\n</ul>\r\n<div class=\"pdl_btn\"><a href=\"") +
           address + GBK("\" target=\"_blank\" class=\"btn_buy\">立即购买</a></div>\r\n</div>\r\n");
}

void append_pager(std::string& out, const std::string& origin, SearchTarget target,
                  const GameLayout& layout, int pages, int page) {
    const auto link = [&](int number, const std::string& caption) {
        target.page = number;
        out += "<a href=\"" + search_address(origin, target, layout) + "\">" + caption + "</a> ";
    };
    out += "<form method=\"get\" action=\"" + search_address(origin, target, layout) +
           "\" id=\"pagerForm\">\r\n<div class=\"pager\">\r\n";
    if (page > 1) {
        link(1, GBK("首页"));
        link(page - 1, GBK("上一页"));
    }
    for (int p = std::max(1, page - 4); p <= std::min(pages, page + 4); ++p) {
        if (p == page) {
            out += "<span class=\"cur\">" + std::to_string(p) + "</span> ";
        } else {
            link(p, std::to_string(p));
        }
    }
    if (page < pages) {
        link(page + 1, GBK("下一页"));
        link(pages, GBK("尾页"));
    }
    out += GBK("<span class=\"pg_info\">共 ") + std::to_string(pages) +
           GBK(" 页</span> 到第 <input type=\"text\" id=\"pagerBottom_input\" class=\"pg_inp\" "
               "value=\"") +
           std::to_string(page) +
           GBK("\" /> 页 <input type=\"button\" class=\"pg_btn\" value=\"确定\" "
               "onclick=\"javascript:goPage(&#39;pagerBottom_input&#39;,") +
           std::to_string(pages) + ");\" />\r\n</div>\r\n</form>\r\n";
}

}  // namespace

void append_offer_list(std::string& out, const DemoData& data, const PageRequest& request,
                       const SearchTarget& target, const GameLayout& layout) {
    const std::vector<Offer> offers =
        data.offers.offers({target.game, target.type, target.area, target.server}, data.unix_now());
    const int size = OfferBook::kPageSize;
    const int pages = (static_cast<int>(offers.size()) + size - 1) / size;
    const int page = std::max(1, target.page);
    if (offers.empty()) {
        out += GBK("<div class=\"nofound\">很抱歉，该服务器暂时没有出售中的商品。</div>\r\n");
        return;
    }
    const std::string origin = request.origin();
    out += "<div class=\"pdl_list\">\r\n";
    const std::size_t first = static_cast<std::size_t>(page - 1) * size;
    for (std::size_t i = first; i < std::min(offers.size(), first + size); ++i) {
        out += "<div class=\"sin_pdlbox\" >";
        append_offer(out, data, origin, target, layout, offers[i]);
    }
    out += "</div>\r\n";
    append_pager(out, origin, target, layout, pages, page);
}

PageResponse offer_detail_page(const DemoData& data, const PageRequest& request) {
    // "/buy/<server>/<type>/<code>.shtml"
    std::string_view rest = request.path;
    rest.remove_prefix(std::string_view("/buy/").size());
    const std::size_t first_slash = rest.find('/');
    const std::size_t second_slash =
        first_slash == std::string_view::npos ? first_slash : rest.find('/', first_slash + 1);
    if (second_slash == std::string_view::npos || !rest.ends_with(".shtml")) {
        return not_found_page(request);
    }
    const auto server = data.world.find_server(rest.substr(0, first_slash));
    if (!server)
        return not_found_page(request);
    const auto layout = data.world.layout(*server->game);
    const int type = GameWorld::goods_type_position(
        *layout, rest.substr(first_slash + 1, second_slash - first_slash - 1));
    if (type < 0)
        return not_found_page(request);
    const std::string_view code = rest.substr(
        second_slash + 1, rest.size() - second_slash - 1 - std::string_view(".shtml").size());
    const SearchTarget target{server->game, type, -1, server->area, server->server, 0};
    for (const Offer& offer :
         data.offers.offers({server->game, type, server->area, server->server}, data.unix_now())) {
        if (OfferBook::offer_code(offer) != code)
            continue;
        const GoodsListing lot =
            draw_goods(*server->game, *layout, type, server->area, server->server, data.today,
                       offer.price_level, offer.seed);
        std::string out = market_page_head(lot.title, request);
        out += "<div class=\"detail\">\r\n<h1>" + lot.title + "</h1>\r\n<table class=\"info\">\r\n";
        const auto row = [&](const std::string& caption, const std::string& value) {
            out += "<tr><th>" + caption + "</th><td>" + value + "</td></tr>\r\n";
        };
        row(GBK("商品编号："), std::string(code));
        row(GBK("游戏/区/服："), place_text(*server->game, *layout, server->area, server->server));
        row(GBK("商品类型："), goods_type_table()[layout->goods_types[type]].name);
        row(GBK("交易方式："), offer.guaranteed ? GBK("担保交易") : GBK("寄售交易"));
        row(GBK("价格："), price_text_fixed(lot.price_cents) + GBK("元"));
        row(GBK("单价："), lot.unit_price);
        out +=
            GBK("</table>\r\n<div class=\"buybtn\"><a href=\"#\">立即购买</a></div>\r\n</div>\r\n");
        out += market_page_foot();
        return page_ok(kGbkHtml, std::move(out));
    }
    std::string out = market_page_head(GBK("商品已下架"), request);
    out += GBK("<div class=\"nofound\">很抱歉，该商品已售出或已下架。<a href=\"") +
           search_address(request.origin(), target, *layout) +
           GBK("\">查看同服其他商品</a></div>\r\n");
    out += market_page_foot();
    return page_ok(kGbkHtml, std::move(out));
}

}  // namespace quvolo::demo
