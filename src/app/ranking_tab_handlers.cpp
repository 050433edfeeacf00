#include "app/ranking_tab_handlers.h"

namespace quvolo {

RankingTabHandlers::RankingTabHandlers(ui::WindowOpener& windows) : windows_(windows) {}

void RankingTabHandlers::chart_clicked() {
    windows_.open(ui::SecondaryWindow::rank_chart);
}

void RankingTabHandlers::market_trend_clicked() {
    windows_.open(ui::SecondaryWindow::market_trend);
}

void RankingTabHandlers::test_list_clicked() {
    windows_.open(ui::SecondaryWindow::test_list);
}

void RankingTabHandlers::all_volumes_clicked() {
    windows_.open(ui::SecondaryWindow::all_volumes);
}

}  // namespace quvolo
