#pragma once

#include "selection/game_lists.h"

namespace quvolo {

// The search button: the games whose name contains the keyword, letter case counting.
void search_by_keyword(const GameFilterControls& tab);

}  // namespace quvolo
