#include "demo/offer_book.h"

#include <algorithm>
#include <cmath>

#include "demo/rng.h"

namespace quvolo::demo {

OfferBook::OfferBook(const GameWorld& world, std::int64_t arrival_step_seconds)
    : world_(world), step_seconds_(std::max<std::int64_t>(1, arrival_step_seconds)) {}

std::vector<Offer> OfferBook::offers(const OfferShelf& shelf, std::int64_t unix_seconds) const {
    const Game& game = *shelf.game;
    const auto layout = world_.layout(game);
    const std::uint64_t shelf_key =
        key_of({world_.seed(), hash_text("offers"), static_cast<std::uint64_t>(game.index),
                static_cast<std::uint64_t>(shelf.type), static_cast<std::uint64_t>(shelf.area),
                static_cast<std::uint64_t>(shelf.server)});
    std::vector<Offer> list;
    const std::int64_t now_step = unix_seconds / step_seconds_;
    for (std::int64_t step = now_step; step > now_step - kFreshSteps; --step) {
        Random rng(key_of({shelf_key, static_cast<std::uint64_t>(step)}));
        if (!rng.chance(0.45))
            continue;
        Offer offer;
        offer.seed = rng.next();
        offer.guaranteed = rng.chance(0.4);
        offer.price_level =
            rng.chance(0.22) ? rng.between_real(0.55, 0.8) : rng.between_real(0.97, 1.3);
        offer.listed_step = step;
        list.push_back(offer);
    }
    Random rng(shelf_key);
    const double share = leaf_share(*layout, shelf.area, shelf.server, shelf.type);
    const double wanted = 2 + game.deal_target * share * 0.25 * rng.between_real(0.5, 1.5);
    const int standing = std::clamp(static_cast<int>(wanted), 0, 140);
    for (int i = 0; i < standing; ++i) {
        Offer offer;
        offer.seed = rng.next();
        offer.guaranteed = rng.chance(0.35);
        offer.price_level = rng.between_real(0.95, 1.4);
        list.push_back(offer);
    }
    return list;
}

std::string OfferBook::offer_code(const Offer& offer) {
    return std::to_string(100000000000ULL + offer.seed % 900000000000ULL);
}

}  // namespace quvolo::demo
