#include "demo/test_list.h"

#include <algorithm>

#include "demo/game_words.h"
#include "demo/rng.h"

namespace quvolo::demo {
namespace {

// A catalogue name without its trailing ASCII ("天龙OL" -> "天龙"), as portals often shorten
// them; unchanged when it has no double-byte character or nothing trails it.
std::string shortened(const std::string& name) {
    std::size_t after_last_wide = 0;
    for (std::size_t i = 0; i < name.size();) {
        if (static_cast<unsigned char>(name[i]) >= 0x80) {
            i = std::min(name.size(), i + 2);
            after_last_wide = i;
        } else {
            ++i;
        }
    }
    return after_last_wide == 0 ? name : name.substr(0, after_last_wide);
}

}  // namespace

TestEntry test_entry(const GameWorld& world, std::int64_t today, int index) {
    const GameWords& words = game_words();
    Random rng(key_of({world.seed(), hash_text("testing"), static_cast<std::uint64_t>(index)}));
    TestEntry entry;
    entry.day = today + 20 - index * 3 / 5;
    entry.review_path = "/game/" + std::to_string(kFirstReviewNumber + index) + "/";
    const double kind = rng.unit();
    const auto& by_trade = world.by_trade();
    const Game* game = by_trade[rng.below(std::min<std::size_t>(300, by_trade.size()))];
    if (kind < 0.4) {
        entry.name = game->name;
    } else if (kind < 0.55) {
        entry.name = shortened(game->name);
    } else {
        static const char* const kTails[] = {"", "", "", "2", "OL", "Online"};
        entry.name = rng.pick(words.new_game_names) + kTails[rng.below(6)];
    }
    entry.test_name = rng.pick(words.test_names);
    entry.needs_code = rng.chance(0.45);
    entry.developer = static_cast<int>(rng.below(words.companies.size()));
    entry.publisher = static_cast<int>(rng.below(words.companies.size()));
    return entry;
}

}  // namespace quvolo::demo
