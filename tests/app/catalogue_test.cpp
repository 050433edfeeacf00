#include <gtest/gtest.h>

#include "app/catalogue.h"
#include "text/codepage.h"
#include "ui/memory_list_box.h"

namespace quvolo {
namespace {

struct EightLists {
    ui::MemoryListBox lists[8];
    ui::LoadGeneration generations;

    CatalogueTargets targets() {
        return {{lists[0], lists[1], lists[2], lists[3]}, {lists[4], lists[5], lists[6], lists[7]}};
    }
    void load(std::string_view answer) {
        fill_game_lists(utf8_to_gbk(answer), targets(), generations, generations.begin(), {});
    }
    std::vector<std::string> items(int list) const {
        std::vector<std::string> texts;
        for (const auto& item : lists[list].items()) {
            texts.push_back(gbk_to_utf8(item));
        }
        return texts;
    }
};

constexpr std::string_view kTwoGroups =
    "callgame([{name:'A',list:[{id:'11',name:'  天龙八部 '},{id:'7',name:'QQ三国'}]},"
    "{name:'B',list:[{id:'x9',name:'DNF'}]},{name:'WEBG',list:[]}])";

TEST(Catalogue, FillsAllEightListsInTheAnswersOrderUntouched) {
    EightLists lists;
    lists.load(kTwoGroups);
    const std::vector<std::string> names{"  天龙八部 ", "QQ三国", "DNF"};
    const std::vector<std::string> ids{"11", "7", "x9"};
    for (int list : {0, 2, 4, 6}) {
        EXPECT_EQ(lists.items(list), names) << list;
        EXPECT_EQ(lists.items(list + 1), ids) << list;
    }
}

TEST(Catalogue, ASecondLoadReplacesInsteadOfAppending) {
    EightLists lists;
    lists.load(kTwoGroups);
    lists.load(kTwoGroups);
    EXPECT_EQ(lists.lists[0].count(), 3);
    EXPECT_EQ(lists.lists[7].count(), 3);
}

TEST(Catalogue, AnswersWithoutGamesLeaveTheListsEmpty) {
    for (std::string_view answer :
         {std::string_view(""), std::string_view("<html>502</html>"),
          std::string_view("callgame([{name:'A',list:[{id:'1\n2',name:'broken'}]}])")}) {
        EightLists lists;
        lists.lists[0].append("stale");
        lists.load(answer);
        for (const auto& list : lists.lists) {
            EXPECT_EQ(list.count(), 0) << answer;
        }
    }
}

TEST(Catalogue, ASupersededLoadWritesNothing) {
    EightLists lists;
    const auto older = lists.generations.begin();
    lists.generations.begin();
    fill_game_lists(utf8_to_gbk(kTwoGroups), lists.targets(), lists.generations, older, {});
    EXPECT_EQ(lists.lists[0].count(), 0);
}

}  // namespace
}  // namespace quvolo
