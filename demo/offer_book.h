#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/game_world.h"

namespace quvolo::demo {

struct Offer {
    std::uint64_t seed = 0;         // draws the goods and the offer's code
    bool guaranteed = false;        // "保" (guaranteed trade) rather than "寄" (consignment)
    double price_level = 1;         // against the market price
    std::int64_t listed_step = -1;  // arrival step of a fresh offer, -1 for standing ones
};

// Where an offer list lives: one goods type on one server.
struct OfferShelf {
    const Game* game = nullptr;
    int type = 0;  // position among the game's goods types
    int area = 0;
    int server = 0;
};

// Open offers. Each shelf holds standing offers and, at the top, the offers that arrived
// in the last few arrival steps: a step is a fixed number of seconds of the clock, and
// each step may bring a new offer, now and then a bargain. Everything follows from the
// seed and the clock's time, so the same time gives the same list.
class OfferBook {
  public:
    OfferBook(const GameWorld& world, std::int64_t arrival_step_seconds);

    // Newest first.
    std::vector<Offer> offers(const OfferShelf& shelf, std::int64_t unix_seconds) const;
    static std::string offer_code(const Offer& offer);

    static constexpr int kPageSize = 20;
    static constexpr int kFreshSteps = 36;  // how long a fresh offer stays before it sells

  private:
    const GameWorld& world_;
    std::int64_t step_seconds_;
};

}  // namespace quvolo::demo
