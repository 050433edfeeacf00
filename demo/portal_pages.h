#pragma once

#include "demo/demo_data.h"
#include "demo/page_types.h"

namespace quvolo::demo {

// The game portal, UTF-8:
//   /testing-list.html?page=N&type=0&theme=0&frame=0   games in test, one page
//   /game/<n>/    a game's review page      /sche/<n>/   its gift page
//   /company/<n>/ a developer or operator
PageResponse test_list_page(const DemoData& data, const PageRequest& request);
PageResponse portal_page(const DemoData& data, const PageRequest& request);

}  // namespace quvolo::demo
