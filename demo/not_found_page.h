#pragma once

#include "demo/page_types.h"

namespace quvolo::demo {

// The site's own error page, GBK: 404 "not found" or 500 "server error".
PageResponse not_found_page(const PageRequest& request);
PageResponse server_error_page(int status);

}  // namespace quvolo::demo
