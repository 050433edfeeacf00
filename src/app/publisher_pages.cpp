#include "app/publisher_pages.h"

namespace quvolo {

std::string version_service_address(std::string_view publisher) {
    return std::string(publisher) + "/NetWork/lumorasoft/Tovana/ver.asp";
}

std::string manual_update_address(std::string_view publisher) {
    return std::string(publisher) + "/index.php/archives/category/lumorasoft";
}

std::string message_board_address(std::string_view publisher) {
    return std::string(publisher) + "/koushui/index.asp";
}

std::string statistics_page_address(std::string_view publisher) {
    return std::string(publisher) + "/NetWork/lumorasoft/Tovana/tongji.html";
}

}  // namespace quvolo
