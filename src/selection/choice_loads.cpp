#include "selection/choice_loads.h"

#include <chrono>

#include "selection/list_pair_fill.h"
#include "text/gbk_literal.h"
#include "text/text_between.h"

namespace quvolo {
namespace {

constexpr std::chrono::milliseconds kPauseBetweenServices{1000};

std::string chosen_game_id(const DealChoiceLists& lists) {
    lists.games.follow_choice();
    return lists.games.hidden.item(lists.games.hidden.selected());
}

// Stops the load begun before and gives the one beginning now a stop of its own.
std::stop_source replace_load(std::stop_source& newest) {
    newest.request_stop();
    newest = std::stop_source();
    return newest;
}

// Linked to the worker's token, so the worker's stop ends the load as a newer choice does.
struct RequestStop {
    std::stop_source load;
    void operator()() noexcept { load.request_stop(); }
};

}  // namespace

GameLoadTurns begin_game_load(DealChoiceTurns& turns) {
    turns.area_load.request_stop();
    return {turns.areas.begin(), turns.types.begin(), turns.servers.begin(),
            replace_load(turns.game_load)};
}

AreaLoadTurns begin_area_load(DealChoiceTurns& turns) {
    return {turns.servers.begin(), replace_load(turns.area_load)};
}

std::string areas_address(std::string_view catalogue_host, std::string_view game_id) {
    return std::string(catalogue_host) +
           "/ajax.axd?methodName=gamesV31&cache=20&gameType=GameAreas&tradingType=other&id=" +
           std::string(game_id) + "&jsoncallback=callarea";
}

std::string servers_address(std::string_view catalogue_host, std::string_view area_id) {
    return std::string(catalogue_host) +
           "/ajax.axd?methodName=gamesV31&cache=20&gameType=GameServers&tradingType=other&id=" +
           std::string(area_id) + "&jsoncallback=callserver";
}

std::string goods_types_address(std::string_view trading_host, std::string_view game_id) {
    // The service is asked with its callback key twice; its answer then names the callback
    // "calltype,calltype", which the cutting expects.
    return std::string(trading_host) +
           "/auction/GameGetBizOfferTypeHandler.ashx?jsoncallback=calltype&gm=" +
           std::string(game_id) + "&jsoncallback=calltype";
}

void load_areas_and_goods_types(const DealChoiceLists& lists, DealChoiceTurns& turns,
                                GameLoadTurns held, const ChoiceLoadEnvironment& environment) {
    const std::stop_callback worker_stop(environment.stop, RequestStop{held.stop});
    const std::stop_token stop = held.stop.get_token();
    const auto superseded = [&] {
        return stop.stop_requested() || !turns.areas.is_newest(held.areas);
    };
    if (superseded()) {
        return;
    }
    environment.activity.show(GBK("分区类型 列表载入中..."));

    const std::string areas_answer = environment.read_page(
        areas_address(environment.catalogue_host, chosen_game_id(lists)), stop);
    if (superseded() || !fill_list_pair(text_between(areas_answer, "callarea([", "])"), lists.areas,
                                        kCatalogueEntryMarkers, turns.areas, held.areas)) {
        return;
    }
    if (!environment.pacer.pause(kPauseBetweenServices, stop) || superseded()) {
        return;
    }

    const std::string types_answer = environment.read_page(
        goods_types_address(environment.trading_host, chosen_game_id(lists)), stop);
    if (superseded() ||
        !fill_list_pair(text_between(types_answer, "calltype,calltype([", "])"), lists.types,
                        kGoodsTypeEntryMarkers, turns.types, held.types)) {
        return;
    }
    // An area chosen meanwhile has taken the servers' turn; its servers stay.
    turns.servers.write(held.servers, [&] {
        lists.servers.shown.clear();
        lists.servers.hidden.clear();
    });
    if (!superseded()) {
        environment.activity.show(GBK("分区类型 列表载入完成！"));
    }
}

void load_servers(const DealChoiceLists& lists, DealChoiceTurns& turns, AreaLoadTurns held,
                  const ChoiceLoadEnvironment& environment) {
    const std::stop_callback worker_stop(environment.stop, RequestStop{held.stop});
    const std::stop_token stop = held.stop.get_token();
    const auto superseded = [&] {
        return stop.stop_requested() || !turns.servers.is_newest(held.servers);
    };
    if (superseded()) {
        return;
    }
    lists.areas.follow_choice();
    environment.activity.status_bar.set_part(1, GBK("载入服务器列表中....."));
    lists.games.follow_choice();
    const std::string area_id = lists.areas.hidden.item(lists.areas.hidden.selected());

    const std::string answer =
        environment.read_page(servers_address(environment.catalogue_host, area_id), stop);
    if (superseded() || !fill_list_pair(text_between(answer, "callserver([", "])"), lists.servers,
                                        kCatalogueEntryMarkers, turns.servers, held.servers)) {
        return;
    }
    environment.activity.status_bar.set_part(1, GBK("服务器列表载入完成！"));
}

}  // namespace quvolo
