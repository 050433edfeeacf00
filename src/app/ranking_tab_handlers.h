#pragma once

#include "ui/window_opener.h"

namespace quvolo {

// The events of the rankings tab, and the buttons on it that open the further windows.
class RankingTabHandlers {
  public:
    explicit RankingTabHandlers(ui::WindowOpener& windows);

    void chart_clicked();
    void market_trend_clicked();
    void test_list_clicked();
    void all_volumes_clicked();

  private:
    ui::WindowOpener& windows_;
};

}  // namespace quvolo
