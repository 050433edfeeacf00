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

struct RequestStop {
    std::stop_source load;
    void operator()() noexcept { load.request_stop(); }
};

// What ends a load early: its own stop, which a newer choice requests and the worker's stop
// reaches through a link, or a newer load taking the turn of the list it guards.
class LoadEnd {
  public:
    LoadEnd(const std::stop_source& own, std::stop_token worker, const WriteTurns& guarded,
            std::uint64_t held)
        : own_(own),
          worker_link_(std::move(worker), RequestStop{own}),
          guarded_(guarded),
          held_(held) {}

    std::stop_token stop() const { return own_.get_token(); }
    bool superseded() const { return own_.stop_requested() || !guarded_.is_newest(held_); }

  private:
    std::stop_source own_;
    std::stop_callback<RequestStop> worker_link_;
    const WriteTurns& guarded_;
    std::uint64_t held_;
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
    const LoadEnd end(held.stop, environment.stop, turns.areas, held.areas);
    const std::stop_token stop = end.stop();
    if (end.superseded()) {
        return;
    }
    environment.activity.show(GBK("分区类型 列表载入中..."));

    const std::string areas_answer = environment.read_page(
        areas_address(environment.catalogue_host, chosen_game_id(lists)), stop);
    if (end.superseded() ||
        !fill_list_pair(text_between(areas_answer, "callarea([", "])"), lists.areas,
                        kCatalogueEntryMarkers, turns.areas, held.areas)) {
        return;
    }
    if (!environment.pacer.pause(kPauseBetweenServices, stop) || end.superseded()) {
        return;
    }

    const std::string types_answer = environment.read_page(
        goods_types_address(environment.trading_host, chosen_game_id(lists)), stop);
    if (end.superseded() ||
        !fill_list_pair(text_between(types_answer, "calltype,calltype([", "])"), lists.types,
                        kGoodsTypeEntryMarkers, turns.types, held.types)) {
        return;
    }
    // An area chosen meanwhile has taken the servers' turn; its servers stay.
    turns.servers.write(held.servers, [&] {
        lists.servers.shown.clear();
        lists.servers.hidden.clear();
    });
    if (!end.superseded()) {
        environment.activity.show(GBK("分区类型 列表载入完成！"));
    }
}

void load_servers(const DealChoiceLists& lists, DealChoiceTurns& turns, AreaLoadTurns held,
                  const ChoiceLoadEnvironment& environment) {
    const LoadEnd end(held.stop, environment.stop, turns.servers, held.servers);
    const std::stop_token stop = end.stop();
    if (end.superseded()) {
        return;
    }
    lists.areas.follow_choice();
    environment.activity.status_bar.set_part(1, GBK("载入服务器列表中....."));
    lists.games.follow_choice();
    const std::string area_id = lists.areas.hidden.item(lists.areas.hidden.selected());

    const std::string answer =
        environment.read_page(servers_address(environment.catalogue_host, area_id), stop);
    if (end.superseded() ||
        !fill_list_pair(text_between(answer, "callserver([", "])"), lists.servers,
                        kCatalogueEntryMarkers, turns.servers, held.servers)) {
        return;
    }
    environment.activity.status_bar.set_part(1, GBK("服务器列表载入完成！"));
}

}  // namespace quvolo
