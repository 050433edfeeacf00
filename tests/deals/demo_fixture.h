#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/hosts.h"
#include "deal_fixtures.h"
#include "demo/demo_marketplace.h"
#include "net/curl_web_source.h"
#include "test_services.h"

namespace quvolo::testing {

// One demo marketplace with a fixed date, shared by the tests; a test that sets faults on it
// clears them before it ends.
demo::DemoMarketplace& shared_demo();
const Hosts& demo_hosts();

// What a deal-list page of the demo shows, read independently of the crawl (UTF-8).
struct ShownDeals {
    std::vector<std::string> names;
    std::vector<std::string> prices;
    std::string total;  // the footer's count of deals
};
ShownDeals read_deal_page(const std::string& address);

// The catalogue's games in the deal tab's lists, and the first of them whose deal list has at
// least `pages` pages; -1 when none does.
int load_catalogue_and_find_game(DealTabRig& rig, int pages);

// The deal tab's handlers on the demo marketplace, with workers on threads and, unless another
// pacer is given, no pauses.
struct HandlerRig : DealTabRig {
    explicit HandlerRig(ui::Pacer* pacer = nullptr);

    // Chooses in a shown list as a click does, then runs the handler's work to its end.
    void choose(ui::ListBox& list, int index, void (DealTabHandlers::*handler)());

    CurlWebSource web;
    ui::SystemClock clock;
    ui::ScriptedDesktop desktop;
    ui::ScaledPacer no_pauses{0};
    ThreadTasks tasks;
    DealTabHandlers handlers;
};

}  // namespace quvolo::testing
