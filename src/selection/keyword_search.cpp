#include "selection/keyword_search.h"

#include "text/gbk_search.h"

namespace quvolo {

void search_by_keyword(const GameFilterControls& tab) {
    const std::string keyword = tab.keyword_box.text();
    show_games_where(tab.games,
                     [&keyword](const std::string& name) { return contains_text(name, keyword); });
}

}  // namespace quvolo
