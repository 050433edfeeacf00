#pragma once

#include <ostream>

#include "app/main_window_controls.h"

namespace quvolo::cli {

// The deal list as the deal tab shows it, with its target, its seven figures and the status
// bar, in UTF-8: one JSON object (target, columns, rows, figures, status), or a table aligned
// for a terminal.
void print_deal_json(std::ostream& out, const MainWindowControls& controls);
void print_deal_table(std::ostream& out, const MainWindowControls& controls);

}  // namespace quvolo::cli
