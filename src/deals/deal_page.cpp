#include "deals/deal_page.h"

#include <algorithm>

#include "text/gbk_literal.h"
#include "text/gbk_search.h"
#include "text/needle_finder.h"
#include "text/numbers.h"
#include "text/split.h"
#include "text/text_between.h"

namespace quvolo {

std::string deal_list_address(std::string_view trading_host, const DealQueryIds& ids,
                              std::int64_t page) {
    return std::string(trading_host) +
           "/list/viewlastestdeallist.aspx?ts=-1&offerid=&gm=" + ids.game +
           "&raceid=-1&ga=" + ids.area + "&gs=" + ids.server + "&bt=" + ids.type +
           "&sort=LastRefresh_DESC&section=-1_-1&pg=" + std::to_string(page) + "&ps=80";
}

std::int64_t deal_page_count(std::string_view page) {
    const std::string pager = replace_all(text_between(page, GBK("单，共"), GBK("页")), " ", "");
    return std::clamp<std::int64_t>(text_to_integer(pager), 0, kMostDealPages);
}

namespace {

// The text up to the separator that ends its piece number most + 1 (all of it without one):
// enough to split off the first `most` pieces as the whole text gives them, while a page that
// repeats the separator is never split whole.
std::string_view leading_pieces(std::string_view text, std::string_view separator,
                                std::size_t most) {
    NeedleFinder finder(text, separator, false);
    std::size_t at = finder.find(0);
    for (std::size_t found = 1; found <= most && at != NeedleFinder::npos; ++found) {
        at = finder.find(at + separator.size());
    }
    return text.substr(0, at);
}

}  // namespace

std::vector<std::string> deal_pieces(std::string_view page) {
    constexpr std::string_view separator = " </div><div class=\"listmain";
    const std::string block =
        text_between(page, GBK(">成交时间</li>"), "<div class=\"pagebox beta\">");
    std::vector<std::string> pieces =
        split_text(leading_pieces(block, separator, kMostDealsPerPage), separator);
    pieces.resize(std::min(pieces.size(), kMostDealsPerPage));
    return pieces;
}

std::string deal_count_text(std::string_view page) {
    const std::string footer = text_between(page, "<li class=\"yeshu\">", GBK("页</li>"));
    return text_between(footer, GBK("共 "), GBK(" 单"));
}

const std::vector<DealField>& deal_field_passes() {
    static const std::vector<DealField> passes{
        {1, "_blank\">", "</a></li>"},
        {kDealAddressColumn, "<a href=\"", "\""},
        {kDealUnitPriceColumn, "<span class=\"orange\">", "</span></li>"},
        {2, GBK("<li>游戏/区/服/阵营："), "</li>"},
        {3,
         "            <ul class=\"li2\">\r\n"
         "                <li class=\"in_ac\">",
         "</li>"},
        {kDealPriceColumn, "<li class=\"orange\">", GBK("元</li>")},
        // The marker takes the year's leading "20" with it.
        {kDealTimeColumn, "<li class=\"in_ac\">20", "</li>"},
    };
    return passes;
}

std::string price_value(std::string_view price_cell) {
    return replace_all(price_cell, ",", "");
}

std::string unit_price_value(std::string_view unit_price_cell) {
    const int yuan = find_text(unit_price_cell, GBK("元"));
    return yuan < 1 ? std::string() : std::string(unit_price_cell.substr(0, yuan - 1));
}

}  // namespace quvolo
