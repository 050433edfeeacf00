#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/main_window_controls.h"
#include "selection/game_lists.h"

namespace quvolo {

std::string catalogue_address(std::string_view catalogue_host);

struct CatalogueGame {
    std::string id;
    std::string name;
};

// The games of a catalogue answer in its order, names and identifiers as they stand.
std::vector<CatalogueGame> parse_catalogue(std::string_view answer);

// The game lists of both query tabs, filled together from one catalogue.
struct CatalogueTargets {
    GameLists deal_tab;
    GameLists monitor_tab;
};

// Replaces all eight lists with the games. Each list is written whole, so a name never stands
// beside another game's identifier.
void show_catalogue(const std::vector<CatalogueGame>& games, const CatalogueTargets& lists);

// Reads the catalogue and shows it in the game lists of both tabs on the calling thread, for
// the command line and tests; the number of games.
std::size_t load_catalogue_now(std::string_view catalogue_host, MainWindowControls& controls);

}  // namespace quvolo
