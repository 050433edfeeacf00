#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quvolo {

// The identifiers of a deal query; "-1" stands for all areas, servers or goods types.
struct DealQueryIds {
    std::string game;
    std::string area = "-1";
    std::string server = "-1";
    std::string type = "-1";
};

// The deal-list page p (from 1) of the trading host; 80 deals a page, the most recent first.
std::string deal_list_address(std::string_view trading_host, const DealQueryIds& ids,
                              std::int64_t page);

// A page count this large is not a real marketplace's: the crawl reads no more pages than this,
// so a hostile pager cannot make it read and keep rows without end.
inline constexpr std::int64_t kMostDealPages = 2000;

// The page count of the pager ("单，共 N 页"), spaces removed; 0 without one, at most
// kMostDealPages.
std::int64_t deal_page_count(std::string_view page);

// A real page holds 80 deals (ps=80); this bound keeps a hostile page from flooding the list.
inline constexpr std::size_t kMostDealsPerPage = 200;

// The deals of one page, each the piece of the page that holds it, in page order; at most
// kMostDealsPerPage.
std::vector<std::string> deal_pieces(std::string_view page);

// The number of deals as the page's footer states it ("共 N 单"); empty without a footer.
std::string deal_count_text(std::string_view page);

// One cell of a deal row and where it is cut from a deal's piece.
struct DealField {
    int column;
    std::string left, right;  // GBK markers
};

// The cut cells in the order the crawl fills them, one pass over a page's deals each: goods
// name, page address, unit price, game/area/server, goods type, price, deal time.
const std::vector<DealField>& deal_field_passes();

inline constexpr int kDealUnitPriceColumn = 5;
inline constexpr int kDealPriceColumn = 4;
inline constexpr int kDealTimeColumn = 6;
inline constexpr int kDealAddressColumn = 7;

// The numbers behind the figures: the price without its thousands commas, and the text before
// the first "元" of the unit price (empty when it has none).
std::string price_value(std::string_view price_cell);
std::string unit_price_value(std::string_view unit_price_cell);

}  // namespace quvolo
