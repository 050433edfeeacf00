#pragma once

#include <cstdint>
#include <functional>

#include "demo/deal_book.h"
#include "demo/game_world.h"
#include "demo/offer_book.h"

namespace quvolo::demo {

// Everything the pages are made from.
struct DemoData {
    DemoData(std::uint64_t seed, double scale, std::int64_t today_day, std::int64_t arrival_step,
             std::function<std::int64_t()> unix_clock)
        : world(seed, scale),
          deals(world, today_day - 1),
          offers(world, arrival_step),
          today(today_day),
          unix_now(std::move(unix_clock)) {}

    GameWorld world;
    DealBook deals;  // deals end on the day before today
    OfferBook offers;
    std::int64_t today;                      // day number of the demo's "today"
    std::function<std::int64_t()> unix_now;  // seconds; moves the fresh offers
};

}  // namespace quvolo::demo
