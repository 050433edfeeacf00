#pragma once

#include "app/main_window_controls.h"
#include "ui/job_services.h"
#include "ui/window_opener.h"

namespace quvolo {

// The events of the rankings tab, and the buttons on it that open the further windows.
class RankingTabHandlers {
  public:
    RankingTabHandlers(RankingTabControls& controls, ui::JobServices jobs,
                       ui::WindowOpener& windows);

    void chart_clicked();
    void market_trend_clicked();
    void test_list_clicked();
    void all_volumes_clicked();

  private:
    RankingTabControls& controls_;
    ui::JobServices jobs_;
    ui::WindowOpener& windows_;
};

}  // namespace quvolo
