#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// The publisher's pages the program and its updater read or open, below its base address.
std::string version_service_address(std::string_view publisher);
std::string manual_update_address(std::string_view publisher);
std::string message_board_address(std::string_view publisher);
std::string statistics_page_address(std::string_view publisher);

}  // namespace quvolo
