#pragma once

#include <string_view>

namespace quvolo {

// Files carried inside the program.
std::string_view alarm_sound();
std::string_view updater_program();

}  // namespace quvolo
