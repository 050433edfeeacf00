#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/game_world.h"

namespace quvolo::demo {

struct CurrencyRank {
    const Game* game = nullptr;
    std::string price;  // "1元=80金", GBK
};

struct ItemRank {
    std::string name;  // GBK
    std::int64_t yuan = 0;
    const Game* game = nullptr;
};

// One week's rankings as the portal publishes them, ten places each.
struct WeekRankings {
    std::int64_t monday = 0;             // day number
    std::vector<const Game*> by_volume;  // all candidates, best first; the list shows ten
    std::vector<CurrencyRank> currency;
    std::vector<ItemRank> items;
};

inline constexpr int kRankedPlaces = 10;

WeekRankings rankings_of_week(const GameWorld& world, std::int64_t monday);

// Monday of the last full week before `today`.
std::int64_t last_full_week(std::int64_t today);
// The first week the portal published.
std::int64_t first_published_week();

}  // namespace quvolo::demo
