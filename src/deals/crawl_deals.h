#pragma once

#include <functional>
#include <stop_token>
#include <string>

#include "deals/deal_controls.h"
#include "deals/deal_crawl_state.h"
#include "selection/page_reader.h"
#include "text/date_time.h"
#include "ui/desktop.h"
#include "ui/pacer.h"

namespace quvolo {

struct DealCrawlEnvironment {
    std::string trading_host;
    PageReader read_page;
    ui::Desktop& desktop;
    ui::Pacer& pacer;
    std::stop_token stop;
    std::function<DateTime()> now = local_now;
};

// Reads every page of recent completed deals for the chosen game, area, server and goods type
// into the deal list, the pages read last on top, then summarizes them and keeps a snapshot.
// The caller has claimed state.busy; the crawl releases it when it ends, however it ends.
void crawl_deals(const DealCrawlControls& controls, DealCrawlState& state,
                 const DealCrawlEnvironment& environment);

}  // namespace quvolo
