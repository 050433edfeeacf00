#pragma once

#include <string>

#include "demo/demo_data.h"
#include "demo/page_types.h"

namespace quvolo::demo {

// The publisher's web site, GBK:
//   /                                          home page
//   /NetWork/lumorasoft/Tovana/ver.asp         the latest version, plain text
//   /NetWork/lumorasoft/Tovana/tongji.html     visit counter page
//   /NetWork/cxweb/hangqing/<game>.html        33 market-trend pages
//   /NetWork/cxweb/hangqing/images/<game>.png  their price charts
//   /koushui/index.asp                         message board
//   /index.php/archives/category/lumorasoft    manual update page
PageResponse publisher_page(const DemoData& data, const PageRequest& request,
                            const std::string& version_answer);

}  // namespace quvolo::demo
