#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/catalogue.h"
#include "app/main_window_controls.h"
#include "deals/deal_page.h"
#include "demo/demo_marketplace.h"
#include "net/fetch.h"

namespace quvolo {

inline constexpr int kWantedPages = 100;

// A demo marketplace and the game of it whose deal list comes nearest above 100 pages.
struct HundredPageGame {
    std::unique_ptr<demo::DemoMarketplace> demo;
    std::string game_id;
    std::int64_t pages = 0;
};

inline HundredPageGame find_hundred_page_game() {
    for (const double scale : {1.0, 2.0, 4.0, 8.0}) {
        HundredPageGame found;
        demo::DemoOptions options;
        options.scale = scale;
        options.today = demo::CalendarDate{2025, 5, 14};
        found.demo = demo::DemoMarketplace::start(options);
        const std::string host = found.demo->base_url();
        MainWindowControls controls;
        load_catalogue_now(host, controls);
        const auto& ids = controls.deal.游戏列表_游戏名_编号;
        for (int i = 0; i < ids.count(); ++i) {
            const std::int64_t pages =
                deal_page_count(fetch_page(deal_list_address(host, {ids.item(i)}, 1)));
            if (pages >= kWantedPages && (found.pages == 0 || pages < found.pages)) {
                found.game_id = ids.item(i);
                found.pages = pages;
            }
        }
        if (found.pages > 0) {
            return found;
        }
    }
    return {};
}

}  // namespace quvolo
