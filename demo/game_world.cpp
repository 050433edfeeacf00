#include "demo/game_world.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "demo/game_words.h"
#include "demo/query_text.h"
#include "demo/rng.h"
#include "text/codepage.h"
#include "text/name_initials.h"

namespace quvolo::demo {
namespace {

constexpr int kBaseGameCount = 2000;
constexpr double kTopGameDeals = 42000;

std::string catalogue_group(const std::string& name) {
    const std::string initials = name_initials(name.substr(0, 2));
    const char first = initials.empty() ? '?' : initials[0];
    if (first >= 'a' && first <= 'z')
        return std::string(1, static_cast<char>(first - 32));
    if (first >= 'A' && first <= 'Z')
        return std::string(1, first);
    return "0~9";
}

std::vector<std::string> all_names(std::uint64_t seed, int count) {
    const GameWords& words = game_words();
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (const auto* list : {&words.hot_games, &words.odd_games}) {
        for (const std::string& name : *list) {
            if (static_cast<int>(names.size()) < count && taken.insert(name).second) {
                names.push_back(name);
            }
        }
    }
    Random rng(key_of({seed, hash_text("names")}));
    // The tables give far more names than asked for; the limit only guards the loop.
    for (int attempt = 0; static_cast<int>(names.size()) < count && attempt < count * 50;
         ++attempt) {
        // Two stems ("天龙风云") or a stem and an ending ("天龙OL"), now and then a lead.
        const std::string& stem = rng.pick(words.stems);
        const std::string& second = rng.pick(words.stems);
        std::string name = rng.pick(words.leads) + stem +
                           (rng.chance(0.55) && second != stem ? second : rng.pick(words.endings));
        if (taken.insert(name).second)
            names.push_back(std::move(name));
    }
    for (int serial = 2; static_cast<int>(names.size()) < count; ++serial) {
        names.push_back(rng.pick(words.stems) + utf8_to_gbk(std::to_string(serial) + "代"));
    }
    return names;
}

double currency_price_for(const std::string& unit, Random& rng) {
    const GameWords& words = game_words();
    static const double kRanges[][2] = {{0.004, 0.05}, {0.3, 6}, {0.001, 0.02},
                                        {0.01, 0.2},   {0.5, 5}, {0.0005, 0.01}};
    for (std::size_t i = 0; i < words.currency_units.size(); ++i) {
        if (words.currency_units[i] == unit) {
            // Log-uniform: prices of different games lie orders of magnitude apart.
            return kRanges[i][0] * std::pow(kRanges[i][1] / kRanges[i][0], rng.unit());
        }
    }
    return 0.01;
}

std::vector<ServerInfo> make_servers(const std::string& area_id, int count, bool numbered,
                                     Random& rng) {
    const GameWords& words = game_words();
    std::vector<std::string> named = words.server_names;
    for (std::size_t i = named.size(); i > 1; --i)
        std::swap(named[i - 1], named[rng.below(i)]);
    std::vector<ServerInfo> servers;
    const long long area_number = std::stoll(area_id);
    for (int s = 0; s < count; ++s) {
        ServerInfo server;
        server.id = std::to_string(area_number * 100 + s + 1);
        server.name = numbered || s >= static_cast<int>(named.size())
                          ? utf8_to_gbk(std::to_string(s + 1) + "服")
                          : named[s];
        server.weight = std::pow(0.72, s) * rng.between_real(0.6, 1.4);
        server.price_factor = rng.between_real(0.82, 1.2);
        servers.push_back(std::move(server));
    }
    return servers;
}

GameLayout make_layout(const Game& game, std::uint64_t seed) {
    const GameWords& words = game_words();
    Random rng(key_of({seed, hash_text("layout"), static_cast<std::uint64_t>(game.index)}));
    GameLayout layout;
    const bool hot = game.trade_rank < 20;
    const bool warm = game.trade_rank < 200;
    const long long game_number = std::stoll(game.id);
    auto add_area = [&](std::string name, int operator_index, int server_count, bool numbered) {
        AreaInfo area;
        area.id =
            std::to_string(game_number * 100 + static_cast<long long>(layout.areas.size()) + 1);
        area.name = std::move(name);
        area.operator_index = operator_index;
        area.weight =
            std::pow(0.68, static_cast<double>(layout.areas.size())) * rng.between_real(0.7, 1.3);
        area.servers = make_servers(area.id, server_count, numbered, rng);
        layout.areas.push_back(std::move(area));
    };
    if (game.web_game) {
        std::vector<std::string> operators = words.operators;
        for (std::size_t i = operators.size(); i > 1; --i) {
            std::swap(operators[i - 1], operators[rng.below(i)]);
        }
        const int operator_count = rng.between(2, 5);
        for (int o = 0; o < operator_count; ++o) {
            layout.operators.push_back({std::to_string(o + 1), operators[o]});
            const int area_count = rng.between(1, 4);
            for (int a = 0; a < area_count; ++a) {
                add_area(operators[o] + words.web_area_names[a], o, rng.between(1, 2), true);
            }
        }
    } else {
        std::vector<std::string> names = words.area_names;
        for (std::size_t i = names.size(); i > 1; --i)
            std::swap(names[i - 1], names[rng.below(i)]);
        const int area_count = hot    ? rng.between(6, 14)
                               : warm ? rng.between(2, 8)
                                      : rng.between(1, 5);
        const bool numbered = rng.chance(0.4);
        for (int a = 0; a < area_count; ++a) {
            const int servers = hot    ? rng.between(4, 12)
                                : warm ? rng.between(2, 8)
                                       : rng.between(1, 4);
            add_area(names[a], -1, servers, numbered);
        }
    }
    static const double kTypeChance[] = {1, 0.25, 0.8, 0.5, 0.7, 0.4, 0.3, 0.4};
    static const double kTypeWeight[] = {0.55, 0.15, 0.15, 0.08, 0.04, 0.03, 0.02, 0.02};
    const std::vector<GoodsType>& table = goods_type_table();
    for (std::size_t t = 0; t < table.size(); ++t) {
        const int kind = static_cast<int>(table[t].kind);
        const bool forced = kind == 0 || (kind == 1 && game.trade_rank < 10);
        if (forced || rng.chance(kTypeChance[kind])) {
            layout.goods_types.push_back(static_cast<int>(t));
            layout.goods_type_weights.push_back(kTypeWeight[kind] * rng.between_real(0.6, 1.4));
        }
    }
    if (rng.chance(0.15))
        layout.camps = rng.pick(words.camp_sets);
    layout.currency_unit = rng.pick(words.currency_units);
    layout.currency_price = currency_price_for(layout.currency_unit, rng);
    return layout;
}

}  // namespace

const std::vector<GoodsType>& goods_type_table() {
    static const std::vector<GoodsType> table = {
        {"1", utf8_to_gbk("游戏币"), GoodsKind::currency},
        {"6", utf8_to_gbk("元宝"), GoodsKind::premium},
        {"2", utf8_to_gbk("装备"), GoodsKind::item},
        {"7", utf8_to_gbk("材料"), GoodsKind::material},
        {"3", utf8_to_gbk("帐号"), GoodsKind::account},
        {"4", utf8_to_gbk("点卡"), GoodsKind::card},
        {"5", utf8_to_gbk("代练"), GoodsKind::service},
        {"8", utf8_to_gbk("其他"), GoodsKind::other},
    };
    return table;
}

GameWorld::GameWorld(std::uint64_t seed, double scale) : seed_(seed), scale_(scale) {
    const int count = std::max(60, static_cast<int>(std::lround(kBaseGameCount * scale)));
    std::vector<std::string> names = all_names(seed, count);
    const int fixed_ranks = static_cast<int>(game_words().hot_games.size());
    std::vector<int> ranks(names.size());
    for (std::size_t i = 0; i < ranks.size(); ++i)
        ranks[i] = static_cast<int>(i);
    Random rng(key_of({seed, hash_text("ranks")}));
    for (std::size_t i = ranks.size(); i > static_cast<std::size_t>(fixed_ranks) + 1; --i) {
        const std::size_t j = fixed_ranks + rng.below(i - fixed_ranks);
        std::swap(ranks[i - 1], ranks[j]);
    }
    games_.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        Game& game = games_[i];
        game.index = static_cast<int>(i);
        game.id = std::to_string(1000 + 3 * i + mix64(seed ^ i) % 3);
        game.name = std::move(names[i]);
        game.group = catalogue_group(game.name);
        game.trade_rank = ranks[i];
        Random game_rng(key_of({seed, hash_text("game"), i}));
        game.web_game = game.trade_rank >= fixed_ranks && game_rng.chance(0.08);
        const bool dead = game.trade_rank > 200 && game_rng.chance(0.15);
        game.deal_target = dead ? 0 : kTopGameDeals * scale / std::pow(game.trade_rank + 1.0, 0.95);
        index_by_id_.emplace(game.id, game.index);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        group_names_.emplace_back(1, letter);
    group_names_.push_back("0~9");
    for (const std::string& group : group_names_) {
        for (const Game& game : games_) {
            if (game.group == group)
                catalogue_order_.push_back(&game);
        }
    }
    by_trade_.resize(games_.size());
    for (const Game& game : games_)
        by_trade_[game.trade_rank] = &game;
    layouts_.resize(games_.size());
}

const Game* GameWorld::find_game(std::string_view id) const {
    const auto found = index_by_id_.find(std::string(id));
    return found == index_by_id_.end() ? nullptr : &games_[found->second];
}

std::shared_ptr<const GameLayout> GameWorld::layout(const Game& game) const {
    {
        std::lock_guard lock(layouts_mutex_);
        if (layouts_[game.index])
            return layouts_[game.index];
    }
    auto built = std::make_shared<const GameLayout>(make_layout(game, seed_));
    std::lock_guard lock(layouts_mutex_);
    if (!layouts_[game.index])
        layouts_[game.index] = std::move(built);
    return layouts_[game.index];
}

std::optional<AreaRef> GameWorld::find_area(std::string_view area_id) const {
    const auto number = digits_value(area_id, 15);
    if (!number)
        return std::nullopt;
    const Game* game = find_game(std::to_string(*number / 100));
    if (!game)
        return std::nullopt;
    const int area = static_cast<int>(*number % 100) - 1;
    const auto game_layout = layout(*game);
    if (area < 0 || area >= static_cast<int>(game_layout->areas.size()))
        return std::nullopt;
    return AreaRef{game, area};
}

std::optional<ServerRef> GameWorld::find_server(std::string_view server_id) const {
    const auto number = digits_value(server_id, 15);
    if (!number)
        return std::nullopt;
    const auto area = find_area(std::to_string(*number / 100));
    if (!area)
        return std::nullopt;
    const int server = static_cast<int>(*number % 100) - 1;
    const auto game_layout = layout(*area->game);
    if (server < 0 || server >= static_cast<int>(game_layout->areas[area->area].servers.size())) {
        return std::nullopt;
    }
    return ServerRef{area->game, area->area, server};
}

int GameWorld::goods_type_position(const GameLayout& layout, std::string_view type_id) {
    const std::vector<GoodsType>& table = goods_type_table();
    for (std::size_t i = 0; i < layout.goods_types.size(); ++i) {
        if (table[layout.goods_types[i]].id == type_id)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace quvolo::demo

namespace quvolo::demo {

double leaf_share(const GameLayout& layout, int area, int server, int type_position) {
    double area_total = 0, type_total = 0, server_total = 0;
    for (const AreaInfo& info : layout.areas)
        area_total += info.weight;
    for (double w : layout.goods_type_weights)
        type_total += w;
    for (const ServerInfo& info : layout.areas[area].servers)
        server_total += info.weight;
    return layout.areas[area].weight / area_total * layout.areas[area].servers[server].weight /
           server_total * layout.goods_type_weights[type_position] / type_total;
}

}  // namespace quvolo::demo
