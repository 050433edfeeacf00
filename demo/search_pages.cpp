#include "demo/search_pages.h"

#include "demo/html_text.h"
#include "demo/market_frame.h"
#include "demo/not_found_page.h"
#include "demo/offer_list.h"
#include "demo/search_address.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

enum class TitleEnd { tight, spaced, none };

// One choice: <dt><a href='...' title='NAME'>NAME</a></dt>, the title closed as each list has it.
void append_choice(std::string& out, const std::string& address, const std::string& name,
                   TitleEnd end, bool current) {
    out += current ? "<dt class=\"cur\">" : "<dt>";
    out += "<a href='" + address + "' title='" + name;
    out += end == TitleEnd::spaced ? "' >" : "'>";
    out += name + "</a></dt>\r\n";
}

void append_goods_types(std::string& out, const std::string& origin, const SearchTarget& target,
                        const GameLayout& layout) {
    out += "<div class=\"sing_filbox\">\r\n<dl class=\"filter\"><dd class=\"f_tit\">";
    out += GBK("商品类型：");
    out += "</dd>\r\n";
    for (std::size_t t = 0; t < layout.goods_types.size(); ++t) {
        SearchTarget choice{target.game, static_cast<int>(t)};
        append_choice(out, search_address(origin, choice, layout),
                      goods_type_table()[layout.goods_types[t]].name, TitleEnd::tight,
                      static_cast<int>(t) == target.type);
    }
    out += "</dl>\r\n</div>\r\n";
}

void append_operators(std::string& out, const std::string& origin, const SearchTarget& target,
                      const GameLayout& layout) {
    out += "<div class=\"sel_box\">\r\n<dl class=\"filter\"><dd class=\"f_tit\">";
    out += GBK("运营商选择：");
    out += "</dd>\r\n";
    for (std::size_t o = 0; o < layout.operators.size(); ++o) {
        SearchTarget choice{target.game, target.type, static_cast<int>(o)};
        append_choice(out, search_address(origin, choice, layout), layout.operators[o].name,
                      TitleEnd::spaced, static_cast<int>(o) == target.operator_index);
    }
    out += "</dl>\r\n</div>\r\n<div class=\"tab_v1_1 v2\"></div>\r\n";
}

void append_areas(std::string& out, const std::string& origin, const SearchTarget& target,
                  const GameLayout& layout) {
    out += "<div class=\"sel_box\">\r\n<dl class=\"filter\"><dd class=\"f_tit\">";
    out += GBK("游戏区选择：");
    out += "</dd>\r\n";
    for (std::size_t a = 0; a < layout.areas.size(); ++a) {
        if (layout.areas[a].operator_index != target.operator_index)
            continue;
        SearchTarget choice{target.game, target.type, target.operator_index, static_cast<int>(a)};
        append_choice(out, search_address(origin, choice, layout), layout.areas[a].name,
                      TitleEnd::spaced, static_cast<int>(a) == target.area);
    }
    out += "</dl>\r\n</div>\r\n";
}

void append_servers(std::string& out, const std::string& origin, const SearchTarget& target,
                    const GameLayout& layout) {
    out += "<div class=\"sel_box\">\r\n<dl class=\"filter\"><dd class=\"f_tit\">";
    out += GBK("按服务器选择：");
    out += "</dd>\r\n";
    const AreaInfo& area = layout.areas[target.area];
    for (std::size_t s = 0; s < area.servers.size(); ++s) {
        SearchTarget choice = target;
        choice.server = static_cast<int>(s);
        choice.page = 0;
        append_choice(out, search_address(origin, choice, layout), area.servers[s].name,
                      TitleEnd::none, static_cast<int>(s) == target.server);
    }
    out += "</dl>\r\n</div>\r\n";
}

std::string page_title(const SearchTarget& target, const GameLayout& layout) {
    std::string title = target.game->name;
    if (target.area >= 0)
        title += "/" + layout.areas[target.area].name;
    if (target.server >= 0)
        title += "/" + layout.areas[target.area].servers[target.server].name;
    if (target.type >= 0)
        title += " " + goods_type_table()[layout.goods_types[target.type]].name;
    return title + GBK(" 商品列表");
}

}  // namespace

PageResponse search_page(const DemoData& data, const PageRequest& request) {
    const auto target = parse_search_path(data.world, request.path);
    if (!target)
        return not_found_page(request);
    const auto layout = data.world.layout(*target->game);
    const std::string origin = request.origin();
    std::string out = market_page_head(page_title(*target, *layout), request);
    out.reserve(48 * 1024);
    out += GBK("<div class=\"crumbs\">您的位置：<a href=\"") + html_escape(origin) +
           GBK("/\">首页</a> &gt; <a href=\"") +
           search_address(origin, SearchTarget{target->game}, *layout) + "\">" +
           target->game->name + "</a></div>\r\n";
    append_goods_types(out, origin, *target, *layout);
    out += "<div class=\"sing_filbox\">\r\n";
    const bool lists_operators = !layout->operators.empty() && target->type >= 0;
    if (lists_operators)
        append_operators(out, origin, *target, *layout);
    const bool lists_areas =
        target->type >= 0 && (layout->operators.empty() || target->operator_index >= 0);
    if (lists_areas)
        append_areas(out, origin, *target, *layout);
    if (target->area >= 0)
        append_servers(out, origin, *target, *layout);
    out += "</div>\r\n";
    if (target->server >= 0) {
        append_offer_list(out, data, request, *target, *layout);
    } else {
        out += GBK("<div class=\"nofound\">请选择游戏区服后查看在售商品。</div>\r\n");
    }
    out += market_page_foot();
    return page_ok(kGbkHtml, std::move(out));
}

}  // namespace quvolo::demo
