#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/game_world.h"

namespace quvolo::demo {

// One game in test on the game portal (GBK text, addresses relative to the portal).
struct TestEntry {
    std::int64_t day = 0;
    std::string review_path;  // "/game/<n>/"
    std::string name;
    std::string test_name;
    bool needs_code = false;
    int developer = 0;  // index into the company table
    int publisher = 0;
};

inline constexpr int kTestEntries = 236;
inline constexpr int kTestEntriesPerPage = 50;
inline constexpr int kFirstReviewNumber = 20001;

// Entry 0 is the newest test. Some names are the marketplace's own games, some are only
// contained in one of its names, the rest are new games the marketplace does not carry.
TestEntry test_entry(const GameWorld& world, std::int64_t today, int index);

}  // namespace quvolo::demo
