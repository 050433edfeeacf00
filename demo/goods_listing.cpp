#include "demo/goods_listing.h"

#include <bit>
#include <cmath>

#include "demo/game_words.h"
#include "demo/money_text.h"
#include "demo/rng.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

// A round amount near `wanted`: 1, 2 or 5 times a power of ten, or a multiple of it.
std::int64_t round_amount(double wanted) {
    if (wanted < 1)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (double step : {1.0, 2.0, 5.0, 10.0}) {
        if (wanted <= power * step * 1.5)
            return static_cast<std::int64_t>(power * step);
    }
    return static_cast<std::int64_t>(power * 10);
}

std::string amount_text(std::int64_t amount) {
    return std::to_string(amount);
}

std::int64_t to_cents(double yuan, bool whole) {
    if (whole)
        return std::max<std::int64_t>(1, std::llround(yuan)) * 100;
    return std::max<std::int64_t>(1, std::llround(yuan * 100));
}

}  // namespace

double market_unit_price(const GameLayout& layout, int type_position, int area, int server,
                         std::int64_t day) {
    const GoodsKind kind = goods_type_table()[layout.goods_types[type_position]].kind;
    const ServerInfo& info = layout.areas[area].servers[server];
    // Swings over weeks and days and a little daily noise, so day filters and trend pages
    // show movement a trader would believe.
    const double phase = info.price_factor * 7;
    const std::uint64_t day_key = key_of(
        {std::bit_cast<std::uint64_t>(layout.currency_price), static_cast<std::uint64_t>(area),
         static_cast<std::uint64_t>(server), static_cast<std::uint64_t>(day)});
    const double noise = static_cast<double>(day_key >> 11) * 0x1.0p-53 - 0.5;
    const double swing = 1 + 0.06 * std::sin(static_cast<double>(day) / 6.0 + phase) +
                         0.03 * std::sin(static_cast<double>(day) / 2.3 + 2 * phase) + 0.05 * noise;
    double base = layout.currency_price * info.price_factor * swing;
    if (kind == GoodsKind::premium)
        base = 0.1 * info.price_factor * swing;
    return base;
}

GoodsListing draw_goods(const Game& game, const GameLayout& layout, int type_position, int area,
                        int server, std::int64_t day, double price_level, std::uint64_t seed) {
    const GameWords& words = game_words();
    Random rng(seed);
    const GoodsKind kind = goods_type_table()[layout.goods_types[type_position]].kind;
    GoodsListing lot;
    const bool whole = rng.chance(0.6);
    // Most lots are small; a few are large.
    const double wanted_yuan = 10 * std::pow(300.0, std::pow(rng.unit(), 1.6));
    switch (kind) {
        case GoodsKind::currency:
        case GoodsKind::premium: {
            const double market =
                market_unit_price(layout, type_position, area, server, day) * price_level;
            const std::string& unit =
                kind == GoodsKind::currency ? layout.currency_unit : GBK("元宝");
            const std::int64_t amount = round_amount(wanted_yuan / market);
            lot.price_cents = to_cents(amount * market * rng.between_real(0.95, 1.05), whole);
            lot.unit_price_value = lot.price_cents / 100.0 / static_cast<double>(amount);
            lot.unit_price = unit_price_number_text(lot.unit_price_value) + GBK("元/") + unit;
            switch (rng.below(4)) {
                case 0:
                    lot.title = amount_text(amount) + unit + " " + rng.pick(words.sale_phrases);
                    break;
                case 1:
                    lot.title = GBK("【") + rng.pick(words.sale_phrases) + GBK("】") +
                                amount_text(amount) + unit;
                    break;
                case 2:
                    lot.title = game.name + " " + amount_text(amount) + unit;
                    break;
                default:
                    lot.title = amount_text(amount) + unit + "=" +
                                price_text_trimmed(lot.price_cents) + GBK("元 ") +
                                rng.pick(words.sale_phrases);
            }
            return lot;
        }
        case GoodsKind::item:
        case GoodsKind::material: {
            const bool item = kind == GoodsKind::item;
            const std::int64_t pieces =
                item ? rng.between(1, 3) : round_amount(rng.between(5, 300));
            const double piece_yuan = item
                                          ? wanted_yuan * price_level
                                          : wanted_yuan * price_level / static_cast<double>(pieces);
            lot.price_cents = to_cents(piece_yuan * static_cast<double>(pieces), whole);
            lot.unit_price_value = lot.price_cents / 100.0 / static_cast<double>(pieces);
            lot.unit_price =
                unit_price_number_text(lot.unit_price_value) + (item ? GBK("元/件") : GBK("元/个"));
            lot.title = item ? rng.pick(words.item_prefixes) + rng.pick(words.item_names)
                             : rng.pick(words.item_names) + " x" + amount_text(pieces);
            if (item && pieces > 1)
                lot.title += " x" + amount_text(pieces);
            return lot;
        }
        case GoodsKind::account:
            lot.price_cents = to_cents(wanted_yuan * 4 * price_level, true);
            lot.title = std::to_string(rng.between(40, 90)) + GBK("级") + rng.pick(words.classes) +
                        " " + rng.pick(words.sale_phrases);
            break;
        case GoodsKind::card: {
            static const int kFaces[] = {30, 50, 100, 200, 300, 500};
            const int face = kFaces[rng.below(6)];
            lot.price_cents = to_cents(face * rng.between_real(0.86, 0.98) * price_level, false);
            lot.title = std::to_string(face) + GBK("元点卡 ") + rng.pick(words.sale_phrases);
            break;
        }
        case GoodsKind::service: {
            const int from = rng.between(1, 8) * 10;
            lot.price_cents = to_cents(wanted_yuan * price_level, true);
            lot.title = GBK("代练") + std::to_string(from) + "-" + std::to_string(from + 10) +
                        GBK("级 ") + rng.pick(words.sale_phrases);
            break;
        }
        case GoodsKind::other:
            lot.price_cents = to_cents(wanted_yuan * price_level, whole);
            lot.title = game.name + GBK(" 激活码 ") + rng.pick(words.sale_phrases);
            break;
    }
    lot.unit_price = "--";
    return lot;
}

}  // namespace quvolo::demo
