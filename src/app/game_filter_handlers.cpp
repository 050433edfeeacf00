#include "app/game_filter_handlers.h"

#include "app/catalogue.h"
#include "selection/keyword_search.h"
#include "selection/letter_filter.h"
#include "text/gbk_literal.h"

namespace quvolo {

GameFilterHandlers::GameFilterHandlers(DealTabControls& deal, MonitorTabControls& monitor,
                                       ui::ActivityDisplay activity, const Hosts& hosts,
                                       ui::JobServices jobs)
    : deal_(deal), monitor_(monitor), activity_(activity), hosts_(hosts), jobs_(jobs) {}

GameFilterControls GameFilterHandlers::filter(QueryTab tab) {
    return tab == QueryTab::deal ? deal_.filter() : monitor_.filter();
}

void GameFilterHandlers::load_catalogue() {
    const auto turn = catalogue_turns_.begin();
    activity_.show(GBK("游戏名 列表载入中..."));
    const std::string address = catalogue_address(hosts_.catalogue);
    jobs_.tasks.run_on_worker([this, address, turn](std::stop_token stop) {
        auto games = parse_catalogue(jobs_.web.page(address, stop));
        if (stop.stop_requested()) {
            return;
        }
        // The lists are written on the window's thread, where the letter filter and the
        // keyword search read them, so a filter never sees half a catalogue.
        jobs_.tasks.run_on_window([this, turn, games = std::move(games)] {
            catalogue_turns_.write(turn, [&] {
                show_catalogue(games, {deal_.game_lists(), monitor_.game_lists()});
                activity_.show(GBK("游戏名 列表载入完成！"));
            });
        });
    });
}

void GameFilterHandlers::letter_chosen(QueryTab tab) {
    filter_by_letter(filter(tab), [this] { load_catalogue(); });
}

void GameFilterHandlers::keyword_search_clicked(QueryTab tab) {
    search_by_keyword(filter(tab));
}

void GameFilterHandlers::keyword_box_focused(QueryTab tab) {
    deal_.按钮_关键字.set_default(tab == QueryTab::deal);
    monitor_.按钮_关键字1.set_default(tab == QueryTab::monitor);
}

}  // namespace quvolo
