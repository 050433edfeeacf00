#include "ui/desktop.h"

#include "text/gbk_literal.h"
#include "text/gbk_search.h"

namespace quvolo::ui {

const std::string& default_box_title() {
    return GBK("信息：");
}

bool is_web_address(std::string_view url) {
    return find_text(url, "http://", 1, true) == 1 || find_text(url, "https://", 1, true) == 1;
}

}  // namespace quvolo::ui
