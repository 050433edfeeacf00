#pragma once

#include <atomic>

#include "ui/desktop.h"

namespace quvolo {

struct DealCrawlState {
    // From the click that starts a crawl until the crawl has ended; a second click is refused.
    std::atomic<bool> busy{false};
    // Whether the last crawl ran to its end; the restore needs one.
    std::atomic<bool> finished{false};

    // Takes the crawl for a new run; false when one is already running.
    bool claim() { return !busy.exchange(true); }
};

// The actions that read, reorder or empty the deal list wait for a running crawl: while it
// writes they show a warning and return true.
bool refuse_while_crawling(const DealCrawlState& state, ui::Desktop& desktop);

}  // namespace quvolo
