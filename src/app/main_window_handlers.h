#pragma once

#include "app/deal_tab_handlers.h"
#include "app/game_filter_handlers.h"
#include "app/main_window_controls.h"
#include "app/main_window_services.h"
#include "app/monitor_tab_handlers.h"
#include "app/ranking_tab_handlers.h"
#include "app/shell_handlers.h"

namespace quvolo {

// Every handler of the main window, one object per tab or concern, over one set of controls.
// The window forwards each event to one of them on its own thread; the command line drives the
// very same objects. Handlers return at once and leave network reads to workers.
struct MainWindowHandlers {
    MainWindowHandlers(MainWindowControls& controls, const MainWindowServices& services);

    // The window's "created" event, in its order: skin, files and pages, the catalogue load,
    // then the update check's timer.
    void window_created();

    ShellHandlers shell;
    GameFilterHandlers filters;
    DealTabHandlers deals;
    MonitorTabHandlers monitor;
    RankingTabHandlers rankings;
};

}  // namespace quvolo
