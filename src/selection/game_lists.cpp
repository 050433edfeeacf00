#include "selection/game_lists.h"

namespace quvolo {

void show_games_where(const GameLists& games,
                      const std::function<bool(const std::string& name)>& keep) {
    const std::vector<std::string> all_names = games.all_names.items();
    const std::vector<std::string> all_ids = games.all_ids.items();
    std::vector<std::string> names, ids;
    for (std::size_t j = 0; j < all_names.size(); ++j) {
        if (keep(all_names[j])) {
            names.push_back(all_names[j]);
            ids.push_back(j < all_ids.size() ? all_ids[j] : std::string());
        }
    }
    games.shown_names.replace_items(std::move(names));
    games.shown_ids.replace_items(std::move(ids));
}

}  // namespace quvolo
