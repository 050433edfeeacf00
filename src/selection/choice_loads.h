#pragma once

#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>

#include "selection/deal_choice_lists.h"
#include "selection/page_reader.h"
#include "selection/write_turns.h"
#include "ui/activity.h"
#include "ui/pacer.h"

namespace quvolo {

// The three lists that a game or an area choice refills, each with its own turns, and the stop
// of the newest load of each choice: a newer choice stops the load it replaces, whose writes
// would be dropped anyway, so that load ends without waiting for its request.
struct DealChoiceTurns {
    WriteTurns types, areas, servers;
    std::stop_source game_load, area_load;
};

// The turns a game choice's load holds on the lists it writes, and its stop.
struct GameLoadTurns {
    std::uint64_t areas = 0, types = 0, servers = 0;
    std::stop_source stop;
};

// The turn an area choice's load holds on the servers, and its stop.
struct AreaLoadTurns {
    std::uint64_t servers = 0;
    std::stop_source stop;
};

// Taken on the window's thread when the choice is made, so the newest choice wins. A game
// choice stops the older game load and the older area load (it empties the servers); an area
// choice stops the older area load.
GameLoadTurns begin_game_load(DealChoiceTurns& turns);
AreaLoadTurns begin_area_load(DealChoiceTurns& turns);

struct ChoiceLoadEnvironment {
    std::string catalogue_host;
    std::string trading_host;
    PageReader read_page;
    ui::ActivityDisplay activity;
    ui::Pacer& pacer;
    std::stop_token stop;
};

std::string areas_address(std::string_view catalogue_host, std::string_view game_id);
std::string servers_address(std::string_view catalogue_host, std::string_view area_id);
std::string goods_types_address(std::string_view trading_host, std::string_view game_id);

// A game was chosen: its areas, then its goods types; the servers are emptied at the end.
// Writes nothing more once a newer choice has taken the turn of the list it would write. Ends,
// its request in flight too, when its own stop or environment.stop is requested.
void load_areas_and_goods_types(const DealChoiceLists& lists, DealChoiceTurns& turns,
                                GameLoadTurns held, const ChoiceLoadEnvironment& environment);

// An area was chosen: its servers. Ends like the game's load.
void load_servers(const DealChoiceLists& lists, DealChoiceTurns& turns, AreaLoadTurns held,
                  const ChoiceLoadEnvironment& environment);

}  // namespace quvolo
