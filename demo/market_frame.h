#pragma once

#include <string>
#include <string_view>

#include "demo/page_types.h"

namespace quvolo::demo {

// The marketplace's page head (up to the content) and foot, GBK. title is GBK text.
std::string market_page_head(std::string_view title, const PageRequest& request);
std::string market_page_foot();

}  // namespace quvolo::demo
