#pragma once

#include "demo/demo_data.h"
#include "demo/page_types.h"

namespace quvolo::demo {

// The ranking portal, GBK:
//   /ntgame/Tovana/index.htm                      the last full week
//   /ntgame/Tovana/<yyyy>rich/<mmdd>-<mmdd>.htm   a past week (Monday to Sunday)
//   /ntgame/Tovana/images/rank_<yyyymmdd>.png     a week's rank chart (by its Sunday)
PageResponse ranking_page(const DemoData& data, const PageRequest& request);

}  // namespace quvolo::demo
