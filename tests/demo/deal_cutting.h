#pragma once

#include <string>
#include <vector>

namespace quvolo::demo {

// One deal as the deal crawl cuts it from a list page.
struct CutDeal {
    std::string name, place, type, price, unit_price, time, address;
};

struct CutDealPage {
    int page_count = 0;        // from "单，共" .. "页"
    std::string footer_count;  // from the footer item
    std::vector<CutDeal> deals;
};

CutDealPage cut_deal_page(const std::string& page);

std::string deal_list_address(const std::string& game, const std::string& area,
                              const std::string& server, const std::string& type, int page);

}  // namespace quvolo::demo
