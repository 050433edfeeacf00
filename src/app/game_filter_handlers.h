#pragma once

#include "app/hosts.h"
#include "app/main_window_controls.h"
#include "selection/write_turns.h"
#include "ui/activity.h"
#include "ui/job_services.h"

namespace quvolo {

enum class QueryTab { deal, monitor };

// The game catalogue of both query tabs and their letter boxes and keyword searches.
class GameFilterHandlers {
  public:
    GameFilterHandlers(DealTabControls& deal, MonitorTabControls& monitor,
                       ui::ActivityDisplay activity, const Hosts& hosts, ui::JobServices jobs);

    // Reads the catalogue on a worker and shows it whole on the window's thread; a newer load
    // wins over an older one that ends later.
    void load_catalogue();

    void letter_chosen(QueryTab tab);
    void keyword_search_clicked(QueryTab tab);
    void keyword_box_focused(QueryTab tab);

  private:
    GameFilterControls filter(QueryTab tab);

    DealTabControls& deal_;
    MonitorTabControls& monitor_;
    ui::ActivityDisplay activity_;
    const Hosts& hosts_;
    ui::JobServices jobs_;
    WriteTurns catalogue_turns_;
};

}  // namespace quvolo
