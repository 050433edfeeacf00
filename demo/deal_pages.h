#pragma once

#include "demo/demo_data.h"
#include "demo/page_types.h"

namespace quvolo::demo {

// "/list/viewlastestdeallist.aspx?...&gm=&ga=&gs=&bt=&raceid=&pg=&ps=": recent deals.
PageResponse deal_list_page(const DemoData& data, const PageRequest& request);
// "/detail/<game>/<order>.shtml": one deal.
PageResponse deal_detail_page(const DemoData& data, const PageRequest& request);

}  // namespace quvolo::demo
