#pragma once

#include "demo/demo_data.h"
#include "demo/page_types.h"

namespace quvolo::demo {

// Every page under "/search/": the choice lists from game to server, and each server's
// numbered offer pages.
PageResponse search_page(const DemoData& data, const PageRequest& request);

}  // namespace quvolo::demo
