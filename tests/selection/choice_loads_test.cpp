#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "selection/choice_loads.h"
#include "selection/list_pair_fill.h"
#include "text/codepage.h"
#include "ui/memory_captions.h"
#include "ui/memory_list_box.h"
#include "ui/scaled_pacer.h"

namespace quvolo {
namespace {

constexpr const char* kCatalogue = "http://catalogue.test";
constexpr const char* kTrading = "http://trading.test";

std::vector<std::string> utf8_items(const ui::MemoryListBox& list) {
    std::vector<std::string> items;
    for (const auto& item : list.items()) {
        items.push_back(gbk_to_utf8(item));
    }
    return items;
}

// The deal tab's selection lists, one game chosen, and services answering from a table.
struct ChoiceRig {
    ui::MemoryListBox game_names, game_ids, type_names, type_ids, area_names, area_ids,
        server_names, server_ids;
    ui::MemoryLabel state;
    ui::MemoryStatusBar status_bar;
    ui::ScaledPacer pacer{0};
    DealChoiceTurns turns;
    std::map<std::string, std::string> answers;  // UTF-8, sent as GBK
    std::set<std::string> unanswered;            // a read of these ends only when it is stopped
    std::vector<std::string> requests;
    std::mutex mutex;
    std::condition_variable_any requested;

    ChoiceRig() {
        for (const char* name : {"甲", "乙"}) {
            game_names.append(utf8_to_gbk(name));
        }
        game_ids.append("31");
        game_ids.append("32");
        game_names.select(1);
    }

    DealChoiceLists lists() {
        return {{game_names, game_ids},
                {type_names, type_ids},
                {area_names, area_ids},
                {server_names, server_ids}};
    }

    ChoiceLoadEnvironment environment(std::stop_token worker_stop = {}) {
        return {kCatalogue,
                kTrading,
                [this](const std::string& address, std::stop_token stop) {
                    std::unique_lock lock(mutex);
                    requests.push_back(address);
                    requested.notify_all();
                    if (unanswered.contains(address)) {
                        requested.wait(lock, stop, [] { return false; });
                        return std::string();
                    }
                    const auto found = answers.find(address);
                    return found == answers.end() ? std::string() : utf8_to_gbk(found->second);
                },
                {state, status_bar},
                pacer,
                std::move(worker_stop)};
    }

    void wait_for_request(const std::string& address) {
        std::unique_lock lock(mutex);
        requested.wait(lock, [&] { return std::ranges::count(requests, address) > 0; });
    }

    void answer_game(const std::string& game_id) {
        answers[areas_address(kCatalogue, game_id)] =
            "callarea([{id:'11',name:'电信一区'},{id:'12',name:'网通一区'}])";
        answers[goods_types_address(kTrading, game_id)] =
            "calltype,calltype([{\"id\":\"1\",\"name\":\"游戏币\"},{\"id\":\"2\",\"name\":\"装备\"}"
            "])";
    }

    void fill_stale_servers() {
        server_names.append("old");
        server_ids.append("9");
        server_names.select(0);
        server_ids.select(0);
    }
};

TEST(ListPairFill, OneNameAndOneIdentifierPerEntryEvenWhenAMarkerIsMissing) {
    const struct {
        const char* body;
        EntryMarkers markers;
        std::vector<std::string> names, ids;
    } cases[] = {
        {"{id:'1',name:'一'},{id:'2',name:'二'}", kCatalogueEntryMarkers, {"一", "二"}, {"1", "2"}},
        {"{id:'1',name:'一'}", kCatalogueEntryMarkers, {"一"}, {"1"}},
        {"{id:'3' name:'三'},{id:'4',name:'四'}", kCatalogueEntryMarkers, {"", "四"}, {"3", "4"}},
        {"{\"id\":\"5\",\"name\":\"游戏币\"}", kGoodsTypeEntryMarkers, {"游戏币"}, {"5"}},
        {"", kCatalogueEntryMarkers, {}, {}},
    };
    for (const auto& c : cases) {
        ui::MemoryListBox names({"stale"});
        ui::MemoryListBox ids({"stale"});
        WriteTurns turns;
        EXPECT_TRUE(
            fill_list_pair(utf8_to_gbk(c.body), {names, ids}, c.markers, turns, turns.begin()));
        EXPECT_EQ(utf8_items(names), c.names) << c.body;
        EXPECT_EQ(utf8_items(ids), c.ids) << c.body;
    }
}

TEST(ChoiceLoads, AGameFillsItsAreasAndGoodsTypesAndEmptiesTheServers) {
    ChoiceRig rig;
    rig.answer_game("32");
    rig.fill_stale_servers();
    load_areas_and_goods_types(rig.lists(), rig.turns, begin_game_load(rig.turns),
                               rig.environment());
    EXPECT_EQ(rig.requests, (std::vector<std::string>{areas_address(kCatalogue, "32"),
                                                      goods_types_address(kTrading, "32")}));
    EXPECT_EQ(rig.game_ids.selected(), 1);
    EXPECT_EQ(utf8_items(rig.area_names), (std::vector<std::string>{"电信一区", "网通一区"}));
    EXPECT_EQ(utf8_items(rig.area_ids), (std::vector<std::string>{"11", "12"}));
    EXPECT_EQ(utf8_items(rig.type_names), (std::vector<std::string>{"游戏币", "装备"}));
    EXPECT_EQ(rig.area_ids.selected(), -1);
    EXPECT_EQ(rig.server_names.count(), 0);
    EXPECT_EQ(rig.server_ids.count(), 0);
    EXPECT_EQ(rig.pacer.pauses(), 1);
    EXPECT_EQ(gbk_to_utf8(rig.state.caption()), "分区类型 列表载入完成！");
    EXPECT_EQ(gbk_to_utf8(rig.status_bar.part(1)), "分区类型 列表载入完成！");
}

TEST(ChoiceLoads, FailedServicesLeaveEmptyListsAndStillFinish) {
    ChoiceRig rig;
    rig.area_names.append("old");
    load_areas_and_goods_types(rig.lists(), rig.turns, begin_game_load(rig.turns),
                               rig.environment());
    EXPECT_EQ(rig.area_names.count(), 0);
    EXPECT_EQ(rig.type_names.count(), 0);
    EXPECT_EQ(gbk_to_utf8(rig.state.caption()), "分区类型 列表载入完成！");
}

TEST(ChoiceLoads, ANewerGameChoiceDropsEveryWriteOfTheOlderLoad) {
    ChoiceRig rig;
    rig.answer_game("32");
    rig.fill_stale_servers();
    const GameLoadTurns older = begin_game_load(rig.turns);
    begin_game_load(rig.turns);
    load_areas_and_goods_types(rig.lists(), rig.turns, older, rig.environment());
    EXPECT_EQ(rig.area_names.count(), 0);
    EXPECT_EQ(rig.type_names.count(), 0);
    EXPECT_EQ(rig.server_names.count(), 1);
    EXPECT_EQ(rig.state.caption(), "");
}

TEST(ChoiceLoads, AnAreaChosenDuringAGameLoadKeepsItsServers) {
    ChoiceRig rig;
    rig.answer_game("32");
    rig.answers[servers_address(kCatalogue, "12")] = "callserver([{id:'120',name:'紫禁城'}])";
    const GameLoadTurns game = begin_game_load(rig.turns);
    rig.area_names.append("网通一区");
    rig.area_ids.append("12");
    rig.area_names.select(0);
    load_servers(rig.lists(), rig.turns, begin_area_load(rig.turns), rig.environment());
    load_areas_and_goods_types(rig.lists(), rig.turns, game, rig.environment());
    EXPECT_EQ(utf8_items(rig.server_names), std::vector<std::string>{"紫禁城"});
    EXPECT_EQ(utf8_items(rig.type_names), (std::vector<std::string>{"游戏币", "装备"}));
}

// The older load's request never comes back unless it is stopped: only the stop can end it.
TEST(ChoiceLoads, AReplacedLoadEndsWhileItsRequestIsUnanswered) {
    using Load = std::function<void(ChoiceRig&, std::stop_token worker_stop)>;
    const Load game_load = [](ChoiceRig& rig, std::stop_token worker_stop) {
        load_areas_and_goods_types(rig.lists(), rig.turns, begin_game_load(rig.turns),
                                   rig.environment(std::move(worker_stop)));
    };
    const Load area_load = [](ChoiceRig& rig, std::stop_token worker_stop) {
        load_servers(rig.lists(), rig.turns, begin_area_load(rig.turns),
                     rig.environment(std::move(worker_stop)));
    };
    const struct {
        const char* what;
        const Load& older;
        std::string unanswered;
        std::function<void(ChoiceRig&, std::jthread& older_worker)> replace;
    } cases[] = {
        {"a newer game", game_load, areas_address(kCatalogue, "32"),
         [](ChoiceRig& rig, std::jthread&) { begin_game_load(rig.turns); }},
        {"a newer area", area_load, servers_address(kCatalogue, "12"),
         [](ChoiceRig& rig, std::jthread&) { begin_area_load(rig.turns); }},
        {"a newer game after an area", area_load, servers_address(kCatalogue, "12"),
         [](ChoiceRig& rig, std::jthread&) { begin_game_load(rig.turns); }},
        {"the worker told to stop", game_load, areas_address(kCatalogue, "32"),
         [](ChoiceRig&, std::jthread& older_worker) { older_worker.request_stop(); }},
    };
    for (const auto& c : cases) {
        ChoiceRig rig;
        rig.area_names.append(utf8_to_gbk("网通一区"));
        rig.area_ids.append("12");
        rig.area_names.select(0);
        rig.fill_stale_servers();
        rig.unanswered.insert(c.unanswered);
        std::jthread older_worker(
            [&](std::stop_token worker_stop) { c.older(rig, std::move(worker_stop)); });
        rig.wait_for_request(c.unanswered);
        c.replace(rig, older_worker);
        older_worker.join();

        EXPECT_EQ(utf8_items(rig.area_names), std::vector<std::string>{"网通一区"}) << c.what;
        EXPECT_EQ(rig.type_names.count(), 0) << c.what;
        EXPECT_EQ(utf8_items(rig.server_names), std::vector<std::string>{"old"}) << c.what;
        EXPECT_EQ(rig.requests, std::vector<std::string>{c.unanswered}) << c.what;
    }
}

TEST(ChoiceLoads, AnAreaLoadsItsServersAndSaysSoOnlyInTheStatusBar) {
    ChoiceRig rig;
    rig.area_names.append("电信一区");
    rig.area_names.append("网通一区");
    rig.area_ids.append("11");
    rig.area_ids.append("12");
    rig.area_names.select(1);
    rig.state.set_caption("earlier");
    rig.answers[servers_address(kCatalogue, "12")] =
        "callserver([{id:'120',name:'紫禁城'},{id:'121',name:'长安'}])";
    load_servers(rig.lists(), rig.turns, begin_area_load(rig.turns), rig.environment());
    EXPECT_EQ(rig.area_ids.selected(), 1);
    EXPECT_EQ(rig.game_ids.selected(), 1);
    EXPECT_EQ(utf8_items(rig.server_names), (std::vector<std::string>{"紫禁城", "长安"}));
    EXPECT_EQ(utf8_items(rig.server_ids), (std::vector<std::string>{"120", "121"}));
    EXPECT_EQ(gbk_to_utf8(rig.status_bar.part(1)), "服务器列表载入完成！");
    EXPECT_EQ(rig.state.caption(), "earlier");
}

}  // namespace
}  // namespace quvolo
