#include "selection/keyword_search.h"

#include "text/gbk_search.h"

namespace quvolo {

void search_by_keyword(const GameFilterControls& tab) {
    const GameLists& games = tab.games;
    games.shown_names.clear();
    games.shown_ids.clear();
    const std::string keyword = tab.keyword_box.text();
    const int count = games.all_names.count();
    for (int j = 0; j < count; ++j) {
        const std::string name = games.all_names.item(j);
        if (contains_text(name, keyword)) {
            games.shown_names.append(name);
            games.shown_ids.append(games.all_ids.item(j));
        }
    }
}

}  // namespace quvolo
