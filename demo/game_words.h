#pragma once

#include <string>
#include <vector>

namespace quvolo::demo {

// Word tables the demo builds its names from, as GBK text (converted once).
struct GameWords {
    std::vector<std::string> hot_games;  // the best-known games, in order of trade
    std::vector<std::string> odd_games;  // names that exercise unusual characters
    std::vector<std::string> leads;      // optional first part of a generated name
    std::vector<std::string> stems;      // main part
    std::vector<std::string> endings;    // optional last part
    std::vector<std::string> area_names;
    std::vector<std::string> web_area_names;
    std::vector<std::string> server_names;
    std::vector<std::string> operators;
    std::vector<std::vector<std::string>> camp_sets;
    std::vector<std::string> currency_units;
    std::vector<std::string> item_names;
    std::vector<std::string> item_prefixes;
    std::vector<std::string> classes;
    std::vector<std::string> sale_phrases;
    std::vector<std::string> test_names;
    std::vector<std::string> companies;
    std::vector<std::string> new_game_names;
    std::vector<std::string> board_authors;
    std::vector<std::string> board_messages;
};

const GameWords& game_words();

}  // namespace quvolo::demo
