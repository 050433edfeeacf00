#pragma once

#include <initializer_list>
#include <stop_token>
#include <string>
#include <string_view>

#include "selection/game_lists.h"
#include "ui/activity.h"
#include "ui/load_generation.h"

namespace quvolo {

std::string catalogue_address(std::string_view catalogue_host);

// The game lists of both query tabs, filled together from one catalogue answer.
struct CatalogueTargets {
    GameLists deal_tab;
    GameLists monitor_tab;
};

// Empties the eight lists and fills them with the answer's games in its order. Stops early,
// leaving the rest to the newer load, when the stop token fires or a newer load has begun.
void fill_game_lists(std::string_view answer, const CatalogueTargets& lists,
                     const ui::LoadGeneration& generations, std::uint64_t generation,
                     std::stop_token stop);

}  // namespace quvolo
