#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "demo/game_world.h"

namespace quvolo::demo {

struct Deal {
    std::int64_t time = 0;   // market seconds
    std::uint64_t seed = 0;  // draws the goods and the order number
    std::uint16_t area = 0, server = 0;
    std::uint8_t type = 0;  // position among the game's goods types
    std::uint8_t camp = 0;  // 0 = the game has no camps, else 1-based
};

// Every recent deal of one game, newest first.
struct GameDeals {
    std::vector<Deal> deals;
};

// Identifiers as the deal-list query gives them; "-1" (or empty) stands for all.
struct DealFilter {
    std::string area = "-1", server = "-1", type = "-1", camp = "-1";
};

struct DealSlice {
    int total = 0;                          // deals that pass the filter
    std::vector<const Deal*> rows;          // the requested window of them, newest first
    std::shared_ptr<const GameDeals> keep;  // owns what rows point to
};

// Recent deals, generated per (game, area, server, goods type) from the seed, so that any
// filter sees the same deals: a narrower filter gives a subset, the servers of an area
// add up to the area. A bounded number of games is kept in memory.
class DealBook {
  public:
    DealBook(const GameWorld& world, std::int64_t last_day, std::size_t games_kept = 64);

    std::int64_t last_day() const { return last_day_; }
    std::shared_ptr<const GameDeals> deals_of(const Game& game) const;
    DealSlice slice(const Game& game, const DealFilter& filter, int first, int count) const;
    // The seed that names a deal's order; the deal is found again by it.
    static std::string order_number(const Deal& deal);
    const Deal* find_order(const Game& game, std::string_view order,
                           std::shared_ptr<const GameDeals>& keep) const;

    static constexpr int kDaysKept = 42;

  private:
    std::shared_ptr<const GameDeals> generate(const Game& game) const;

    const GameWorld& world_;
    std::int64_t last_day_;
    std::size_t games_kept_;
    mutable std::mutex mutex_;
    mutable std::list<int> recent_;  // game indexes, most recently used first
    mutable std::unordered_map<
        int, std::pair<std::shared_ptr<const GameDeals>, std::list<int>::iterator>>
        cache_;
};

}  // namespace quvolo::demo
