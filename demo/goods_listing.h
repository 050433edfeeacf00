#pragma once

#include <cstdint>
#include <string>

#include "demo/game_world.h"

namespace quvolo::demo {

// One lot of goods as a deal or an offer shows it (GBK text).
struct GoodsListing {
    std::string title;
    std::int64_t price_cents = 0;
    std::string unit_price;       // "0.0125元/金", or "--" for goods sold by the piece
    double unit_price_value = 0;  // 0 when unit_price carries no number
};

// The market's currency price at one server on one day, in yuan per unit of the goods type.
double market_unit_price(const GameLayout& layout, int type_position, int area, int server,
                         std::int64_t day);

// Draws a lot from `seed`: the same seed gives the same lot. price_level scales the
// market price (1 = the market, 0.6 = a bargain).
GoodsListing draw_goods(const Game& game, const GameLayout& layout, int type_position, int area,
                        int server, std::int64_t day, double price_level, std::uint64_t seed);

}  // namespace quvolo::demo
