#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// The fixed texts of the update tab, GBK.
const std::string& usage_notes_text();
std::string about_text(std::string_view publisher_address);

}  // namespace quvolo
