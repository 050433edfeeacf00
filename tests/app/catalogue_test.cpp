#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "app/catalogue.h"
#include "app/start_up.h"
#include "demo/demo_marketplace.h"
#include "text/codepage.h"
#include "ui/memory_list_box.h"

namespace quvolo {
namespace {

struct EightLists {
    ui::MemoryListBox lists[8];

    CatalogueTargets targets() {
        return {{lists[0], lists[1], lists[2], lists[3]}, {lists[4], lists[5], lists[6], lists[7]}};
    }
    void load(std::string_view answer) {
        show_catalogue(parse_catalogue(utf8_to_gbk(answer)), targets());
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

TEST(Catalogue, TheDemoMarketplacesWholeCatalogueArrivesPaired) {
    const auto config = std::filesystem::temp_directory_path() / "quvolo_no_hosts.ini";
    std::filesystem::remove(config);
    const HostSetup setup = set_up_hosts(config);
    ASSERT_TRUE(setup.demo);
    EXPECT_FALSE(setup.note.empty());

    MainWindowControls controls;
    const auto games = static_cast<int>(load_catalogue_now(setup.hosts.catalogue, controls));
    EXPECT_GT(games, 1000);
    for (const GameLists& lists : {controls.deal.game_lists(), controls.monitor.game_lists()}) {
        for (const ui::ListBox* list :
             {&lists.shown_names, &lists.shown_ids, &lists.all_names, &lists.all_ids}) {
            EXPECT_EQ(list->count(), games);
        }
    }
    std::set<std::string> ids;
    for (int i = 0; i < games; ++i) {
        EXPECT_FALSE(controls.deal.游戏列表_游戏名_显.item(i).empty());
        ids.insert(controls.deal.游戏列表_游戏名_编号.item(i));
    }
    EXPECT_EQ(static_cast<int>(ids.size()), games) << "identifiers are unique";
}

TEST(HostSetup, ConfiguredHostsNeverStartTheDemoAndUnusableOnesAreNamed) {
    const auto config = std::filesystem::temp_directory_path() / "quvolo_hosts.ini";
    std::ofstream(config) << "[hosts]\ncatalogue=http://127.0.0.1:9\ntrading=HTTP://t\n"
                             "search=http://s\nranking=http://r\nportal=http://p\n"
                             "portal_gift=https://g\n";
    const HostSetup setup = set_up_hosts(config);
    EXPECT_FALSE(setup.demo);
    EXPECT_EQ(setup.hosts.catalogue, "http://127.0.0.1:9");
    EXPECT_NE(setup.note.find("portal_gift、publisher"), std::string::npos) << setup.note;
    EXPECT_EQ(setup.note.find("trading"), std::string::npos) << setup.note;
    std::filesystem::remove(config);
}

}  // namespace
}  // namespace quvolo
