#include <gtest/gtest.h>

#include "selection/keyword_search.h"
#include "selection/letter_filter.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "ui/memory_captions.h"
#include "ui/memory_list_box.h"

namespace quvolo {
namespace {

// One query tab's controls over a small catalogue; names are given in UTF-8.
struct TabFixture {
    ui::MemoryListBox letters;
    ui::MemoryEditBox keyword;
    ui::MemoryButton search;
    ui::MemoryListBox shown_names, shown_ids, all_names, all_ids;
    int reloads = 0;

    explicit TabFixture(std::initializer_list<const char*> names) {
        letters.append(GBK("全部游戏ALL"));
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            letters.append(std::string(1, letter));
        }
        int id = 100;
        for (const char* name : names) {
            all_names.append(utf8_to_gbk(name));
            all_ids.append(std::to_string(id++));
        }
    }

    GameFilterControls controls() {
        return {letters, keyword, search, {shown_names, shown_ids, all_names, all_ids}};
    }

    void choose(const char* letter) {
        const auto items = letters.items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == utf8_to_gbk(letter)) {
                letters.select(static_cast<int>(i));
            }
        }
        filter_by_letter(controls(), [this] { ++reloads; });
    }

    std::vector<std::string> shown() const {
        std::vector<std::string> names;
        for (const auto& name : shown_names.items()) {
            names.push_back(gbk_to_utf8(name));
        }
        return names;
    }

    // Each shown identifier must still belong to the shown name at its position.
    void expect_pairs_intact() const {
        ASSERT_EQ(shown_names.count(), shown_ids.count());
        const auto names = all_names.items();
        for (int i = 0; i < shown_names.count(); ++i) {
            const auto at = std::find(names.begin(), names.end(), shown_names.item(i));
            ASSERT_NE(at, names.end());
            EXPECT_EQ(shown_ids.item(i), all_ids.item(static_cast<int>(at - names.begin())));
        }
    }
};

const std::initializer_list<const char*> kCatalogue = {
    "天龙八部", "tera online", "QQ三国",   "DNF地下城", "3D坦克", "爱情公寓",
    "饿狼传说", "欧陆风云",    "㈠号玩家", "魔兽世界",  "Dota2",
};

TEST(LetterFilter, KeepsTheGamesWhoseInitialsHoldTheLetter) {
    struct Case {
        const char* letter;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"T", {"天龙八部", "tera online"}},
        {"Q", {"QQ三国"}},
        {"D", {"DNF地下城", "3D坦克", "Dota2"}},
        {"N", {"DNF地下城"}},
        {"A", {"爱情公寓"}},
        {"E", {"饿狼传说", "tera online"}},
        {"O", {"欧陆风云", "Dota2"}},
        {"M", {"魔兽世界"}},
        {"X", {}},
    };
    for (const auto& c : cases) {
        TabFixture tab(kCatalogue);
        tab.choose(c.letter);
        auto expected = c.expected;
        auto shown = tab.shown();
        std::sort(expected.begin(), expected.end());
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, expected) << "letter " << c.letter;
        tab.expect_pairs_intact();
    }
}

TEST(LetterFilter, AnotherLetterReplacesTheListAndKeepsCatalogueOrder) {
    TabFixture tab(kCatalogue);
    tab.choose("Z");
    tab.choose("D");
    EXPECT_EQ(tab.shown(), (std::vector<std::string>{"DNF地下城", "3D坦克", "Dota2"}));
    EXPECT_EQ(tab.reloads, 0);
}

TEST(LetterFilter, AllGamesReloadsTheCatalogueInsteadOfFiltering) {
    TabFixture tab(kCatalogue);
    tab.choose("全部游戏ALL");
    EXPECT_EQ(tab.reloads, 1);
    EXPECT_EQ(tab.shown_names.count(), 0);
}

TEST(KeywordSearch, MatchesBytesExactlyAndCaseSensitively) {
    struct Case {
        const char* keyword;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"QQ", {"QQ三国"}},
        {"qq", {}},
        {"地下", {"DNF地下城"}},
        {"", std::vector<std::string>(kCatalogue.begin(), kCatalogue.end())},
    };
    for (const auto& c : cases) {
        TabFixture tab(kCatalogue);
        tab.keyword.set_text(utf8_to_gbk(c.keyword));
        search_by_keyword(tab.controls());
        EXPECT_EQ(tab.shown(), c.expected) << "keyword " << c.keyword;
        tab.expect_pairs_intact();
    }
}

TEST(KeywordSearch, NeverMatchesAcrossACharacterBoundary) {
    // The second byte of one character and the first of the next form a keyword that a plain
    // byte search would find.
    TabFixture tab({"议论"});
    const std::string name = tab.all_names.item(0);
    tab.keyword.set_text(name.substr(1, 2));
    search_by_keyword(tab.controls());
    EXPECT_EQ(tab.shown_names.count(), 0);
}

}  // namespace
}  // namespace quvolo
