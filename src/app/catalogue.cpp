#include "app/catalogue.h"

#include "text/pattern_matcher.h"

namespace quvolo {
namespace {

void clear_lists(const GameLists& lists) {
    lists.shown_names.clear();
    lists.shown_ids.clear();
    lists.all_names.clear();
    lists.all_ids.clear();
}

void append_game(const GameLists& lists, const std::string& name, const std::string& id) {
    lists.shown_names.append(name);
    lists.all_names.append(name);
    lists.shown_ids.append(id);
    lists.all_ids.append(id);
}

}  // namespace

std::string catalogue_address(std::string_view catalogue_host) {
    return std::string(catalogue_host) +
           "/ajax.axd?methodName=GETALLGAMESDATAv31&cache=20&IsGameID=false&jsoncallback=callgame";
}

void fill_game_lists(std::string_view answer, const CatalogueTargets& lists,
                     const ui::LoadGeneration& generations, std::uint64_t generation,
                     std::stop_token stop) {
    const auto superseded = [&] {
        return stop.stop_requested() || !generations.is_current(generation);
    };
    if (superseded()) {
        return;
    }
    clear_lists(lists.deal_tab);
    clear_lists(lists.monitor_tab);
    PatternMatcher matcher;
    matcher.run("id:'(.*?)',name:'(.*?)'", answer);
    const int count = matcher.match_count();
    for (int i = 1; i <= count && !superseded(); ++i) {
        const std::string id = matcher.submatch_text(i, 1);
        const std::string name = matcher.submatch_text(i, 2);
        append_game(lists.deal_tab, name, id);
        append_game(lists.monitor_tab, name, id);
    }
}

}  // namespace quvolo
