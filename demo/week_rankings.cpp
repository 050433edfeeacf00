#include "demo/week_rankings.h"

#include <algorithm>
#include <cmath>

#include "demo/calendar.h"
#include "demo/game_words.h"
#include "demo/goods_listing.h"
#include "demo/money_text.h"
#include "demo/rng.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

constexpr std::size_t kCandidates = 40;

// A week's luck: log-normal-ish around 1.
double weekly_luck(Random& rng) {
    return std::exp(0.55 * (rng.unit() + rng.unit() + rng.unit() - 1.5));
}

std::vector<const Game*> ranked(const GameWorld& world, std::int64_t monday, std::uint64_t salt) {
    const auto& by_trade = world.by_trade();
    const std::size_t count = std::min(kCandidates, by_trade.size());
    std::vector<std::pair<double, const Game*>> scored;
    for (std::size_t i = 0; i < count; ++i) {
        const Game* game = by_trade[i];
        Random rng(key_of({world.seed(), salt, static_cast<std::uint64_t>(monday),
                           static_cast<std::uint64_t>(game->index)}));
        scored.emplace_back((game->deal_target + 1) * weekly_luck(rng), game);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<const Game*> out;
    for (const auto& entry : scored)
        out.push_back(entry.second);
    return out;
}

}  // namespace

WeekRankings rankings_of_week(const GameWorld& world, std::int64_t monday) {
    WeekRankings week;
    week.monday = monday;
    week.by_volume = ranked(world, monday, hash_text("volume"));
    const std::vector<const Game*> currency = ranked(world, monday, hash_text("currency"));
    for (std::size_t i = 0; i < currency.size() && i < kRankedPlaces; ++i) {
        const auto layout = world.layout(*currency[i]);
        const double price = market_unit_price(*layout, 0, 0, 0, monday + 6);
        week.currency.push_back(
            {currency[i], GBK("1元=") + unit_price_number_text(1 / price) + layout->currency_unit});
    }
    const GameWords& words = game_words();
    Random rng(key_of({world.seed(), hash_text("items"), static_cast<std::uint64_t>(monday)}));
    for (int i = 0; i < kRankedPlaces; ++i) {
        ItemRank item;
        item.name = rng.pick(words.item_prefixes) + rng.pick(words.item_names);
        item.yuan = std::llround(300 * std::pow(60.0, rng.unit()) / 10) * 10;
        item.game = week.by_volume[rng.below(std::min<std::size_t>(15, week.by_volume.size()))];
        week.items.push_back(std::move(item));
    }
    std::stable_sort(week.items.begin(), week.items.end(),
                     [](const ItemRank& a, const ItemRank& b) { return a.yuan > b.yuan; });
    return week;
}

std::int64_t last_full_week(std::int64_t today) {
    const std::int64_t this_monday = today - weekday_of_day(today);
    return this_monday - 7;
}

std::int64_t first_published_week() {
    return day_number({2013, 12, 2});
}

}  // namespace quvolo::demo
