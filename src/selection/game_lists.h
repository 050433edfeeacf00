#pragma once

#include <functional>
#include <string>

#include "ui/captions.h"
#include "ui/list_box.h"

namespace quvolo {

// The four game lists of one query tab, joined by position.
struct GameLists {
    ui::ListBox& shown_names;
    ui::ListBox& shown_ids;
    ui::ListBox& all_names;
    ui::ListBox& all_ids;
};

// What one query tab uses to narrow its game list.
struct GameFilterControls {
    ui::DropDownList& letter_box;
    ui::EditBox& keyword_box;
    ui::Button& search_button;
    GameLists games;
};

// Refills the shown names and their identifiers with the games of the full lists that keep
// takes, in the catalogue's order.
void show_games_where(const GameLists& games,
                      const std::function<bool(const std::string& name)>& keep);

}  // namespace quvolo
