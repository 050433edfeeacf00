#pragma once

#include <functional>

#include "selection/game_lists.h"

namespace quvolo {

// The letter box's new selection: "全部游戏ALL" reloads the catalogue, a letter keeps the games
// whose pinyin initials of the first character contain it.
void filter_by_letter(const GameFilterControls& tab, const std::function<void()>& reload_catalogue);

// Whether a name belongs under a letter (A to Z, any case).
bool name_listed_under(std::string_view gbk_name, char letter);

}  // namespace quvolo
