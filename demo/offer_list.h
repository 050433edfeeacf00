#pragma once

#include <string>

#include "demo/demo_data.h"
#include "demo/page_types.h"
#include "demo/search_address.h"

namespace quvolo::demo {

// The open offers of the target's server, page target.page (0 and 1 both the first), and
// the pager with the page count.
void append_offer_list(std::string& out, const DemoData& data, const PageRequest& request,
                       const SearchTarget& target, const GameLayout& layout);

// "/buy/<server>/<type>/<code>.shtml": one open offer, or a sold-out notice.
PageResponse offer_detail_page(const DemoData& data, const PageRequest& request);

}  // namespace quvolo::demo
