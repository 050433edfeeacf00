#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "demo/game_world.h"

namespace quvolo::demo {

// One page of the search site, from the game down to a server's numbered offer page:
//   /search/<game>.shtml
//   /search/<game>/t<type>.shtml
//   /search/<game>/t<type>-o<operator>.shtml
//   /search/<game>/t<type>-a<area>.shtml
//   /search/<game>/t<type>-a<area>-s<server>-0-0-0-<page>.shtml
// Positions are indexes into the game's layout; -1 where the address names none.
struct SearchTarget {
    const Game* game = nullptr;
    int type = -1;
    int operator_index = -1;
    int area = -1;
    int server = -1;
    int page = -1;  // offer page number; 0 is the first page as well
};

std::optional<SearchTarget> parse_search_path(const GameWorld& world, std::string_view path);

// The absolute address of a target; origin is "http://host:port".
std::string search_address(const std::string& origin, const SearchTarget& target,
                           const GameLayout& layout);

}  // namespace quvolo::demo
