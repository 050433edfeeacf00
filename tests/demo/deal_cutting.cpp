#include "deal_cutting.h"

#include "text/gbk_literal.h"
#include "text/numbers.h"
#include "text/split.h"
#include "text/text_between.h"

namespace quvolo::demo {

CutDealPage cut_deal_page(const std::string& page) {
    CutDealPage cut;
    cut.page_count = static_cast<int>(
        text_to_integer(replace_all(text_between(page, GBK("单，共"), GBK("页")), " ", "")));
    const std::string footer = text_between(page, "<li class=\"yeshu\">", GBK("页</li>"));
    cut.footer_count = text_between(footer, GBK("共 "), GBK(" 单"));
    const std::string block =
        text_between(page, GBK(">成交时间</li>"), "<div class=\"pagebox beta\">");
    for (const std::string& piece : split_text(block, " </div><div class=\"listmain")) {
        CutDeal deal;
        deal.name = text_between(piece, "_blank\">", "</a></li>");
        deal.address = text_between(piece, "<a href=\"", "\"");
        deal.unit_price = text_between(piece, "<span class=\"orange\">", "</span></li>");
        deal.place = text_between(piece, GBK("<li>游戏/区/服/阵营："), "</li>");
        deal.type = text_between(
            piece, "            <ul class=\"li2\">\r\n                <li class=\"in_ac\">",
            "</li>");
        deal.price = text_between(piece, "<li class=\"orange\">", GBK("元</li>"));
        deal.time = text_between(piece, "<li class=\"in_ac\">20", "</li>");
        cut.deals.push_back(std::move(deal));
    }
    return cut;
}

std::string deal_list_address(const std::string& game, const std::string& area,
                              const std::string& server, const std::string& type, int page) {
    return "/list/viewlastestdeallist.aspx?ts=-1&offerid=&gm=" + game + "&raceid=-1&ga=" + area +
           "&gs=" + server + "&bt=" + type +
           "&sort=LastRefresh_DESC&section=-1_-1&pg=" + std::to_string(page) + "&ps=80";
}

}  // namespace quvolo::demo
