#include "selection/letter_filter.h"

#include <cctype>

#include "text/gbk_literal.h"
#include "text/name_initials.h"

namespace quvolo {

bool name_listed_under(std::string_view gbk_name, char letter) {
    const std::string key = name_initials(gbk_name.substr(0, 2));
    const int wanted = std::toupper(static_cast<unsigned char>(letter));
    for (const char c : key) {
        if (std::toupper(static_cast<unsigned char>(c)) == wanted &&
            static_cast<unsigned char>(c) < 0x80) {
            return true;
        }
    }
    return false;
}

void filter_by_letter(const GameFilterControls& tab,
                      const std::function<void()>& reload_catalogue) {
    const std::string choice = tab.letter_box.item(tab.letter_box.selected());
    if (choice == GBK("全部游戏ALL")) {
        reload_catalogue();
        return;
    }
    if (choice.size() != 1 || choice[0] < 'A' || choice[0] > 'Z') {
        return;
    }
    show_games_where(tab.games, [letter = choice[0]](const std::string& name) {
        return name_listed_under(name, letter);
    });
}

}  // namespace quvolo
