#include "app/catalogue.h"

#include "net/fetch.h"
#include "text/pattern_matcher.h"

namespace quvolo {
namespace {

void show_games(const GameLists& lists, const std::vector<std::string>& names,
                const std::vector<std::string>& ids) {
    lists.shown_names.replace_items(names);
    lists.shown_ids.replace_items(ids);
    lists.all_names.replace_items(names);
    lists.all_ids.replace_items(ids);
}

}  // namespace

std::string catalogue_address(std::string_view catalogue_host) {
    return std::string(catalogue_host) +
           "/ajax.axd?methodName=GETALLGAMESDATAv31&cache=20&IsGameID=false&jsoncallback=callgame";
}

std::vector<CatalogueGame> parse_catalogue(std::string_view answer) {
    PatternMatcher matcher;
    matcher.run("id:'(.*?)',name:'(.*?)'", answer);
    const int count = matcher.match_count();
    std::vector<CatalogueGame> games;
    games.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        games.push_back({matcher.submatch_text(i, 1), matcher.submatch_text(i, 2)});
    }
    return games;
}

void show_catalogue(const std::vector<CatalogueGame>& games, const CatalogueTargets& lists) {
    std::vector<std::string> names, ids;
    names.reserve(games.size());
    ids.reserve(games.size());
    for (const auto& game : games) {
        names.push_back(game.name);
        ids.push_back(game.id);
    }
    show_games(lists.deal_tab, names, ids);
    show_games(lists.monitor_tab, names, ids);
}

std::size_t load_catalogue_now(std::string_view catalogue_host, MainWindowControls& controls) {
    const auto games = parse_catalogue(fetch_page(catalogue_address(catalogue_host)));
    show_catalogue(games, {controls.deal.game_lists(), controls.monitor.game_lists()});
    return games.size();
}

}  // namespace quvolo
