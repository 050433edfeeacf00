#include "demo/search_address.h"

#include <vector>

#include "demo/game_world.h"
#include "demo/query_text.h"

namespace quvolo::demo {
namespace {

constexpr std::string_view kPrefix = "/search/";
constexpr std::string_view kSuffix = ".shtml";

std::vector<std::string_view> split_dashes(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t dash = text.find('-', start);
        parts.push_back(text.substr(start, dash - start));
        if (dash == std::string_view::npos)
            return parts;
        start = dash + 1;
    }
}

}  // namespace

std::optional<SearchTarget> parse_search_path(const GameWorld& world, std::string_view path) {
    if (!path.starts_with(kPrefix) || !path.ends_with(kSuffix))
        return std::nullopt;
    std::string_view rest =
        path.substr(kPrefix.size(), path.size() - kPrefix.size() - kSuffix.size());
    const std::size_t slash = rest.find('/');
    SearchTarget target;
    target.game = world.find_game(rest.substr(0, slash));
    if (!target.game)
        return std::nullopt;
    if (slash == std::string_view::npos)
        return target;
    const auto layout = world.layout(*target.game);
    const std::vector<std::string_view> parts = split_dashes(rest.substr(slash + 1));
    if (parts[0].size() < 2 || parts[0][0] != 't')
        return std::nullopt;
    target.type = GameWorld::goods_type_position(*layout, parts[0].substr(1));
    if (target.type < 0)
        return std::nullopt;
    if (parts.size() == 1)
        return target;
    if (parts.size() == 2 && parts[1].starts_with("o")) {
        const auto number = digits_value(parts[1].substr(1), 6);
        if (!number || *number < 1 || *number > static_cast<int>(layout->operators.size())) {
            return std::nullopt;
        }
        target.operator_index = *number - 1;
        return target;
    }
    if (!parts[1].starts_with("a"))
        return std::nullopt;
    const auto area = world.find_area(parts[1].substr(1));
    if (!area || area->game != target.game)
        return std::nullopt;
    target.area = area->area;
    target.operator_index = layout->areas[target.area].operator_index;
    if (parts.size() == 2)
        return target;
    if (parts.size() != 7 || !parts[2].starts_with("s") || parts[3] != "0" || parts[4] != "0" ||
        parts[5] != "0") {
        return std::nullopt;
    }
    const auto server = world.find_server(parts[2].substr(1));
    const auto page = digits_value(parts[6], 6);
    if (!server || server->game != target.game || server->area != target.area || !page) {
        return std::nullopt;
    }
    target.server = server->server;
    target.page = *page;
    return target;
}

std::string search_address(const std::string& origin, const SearchTarget& target,
                           const GameLayout& layout) {
    std::string address = origin + std::string(kPrefix) + target.game->id;
    if (target.type >= 0) {
        address += "/t" + goods_type_table()[layout.goods_types[target.type]].id;
        if (target.area >= 0) {
            const AreaInfo& area = layout.areas[target.area];
            address += "-a" + area.id;
            if (target.server >= 0) {
                address += "-s" + area.servers[target.server].id + "-0-0-0-" +
                           std::to_string(target.page < 0 ? 0 : target.page);
            }
        } else if (target.operator_index >= 0) {
            address += "-o" + layout.operators[target.operator_index].id;
        }
    }
    return address + std::string(kSuffix);
}

}  // namespace quvolo::demo
