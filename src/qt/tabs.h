#pragma once

#include "app/main_window_controls.h"
#include "app/main_window_handlers.h"

class QWidget;

namespace quvolo::qt {

// Each page of the main window's tab control, bound to its controls and to its own handlers.
QWidget* build_deal_tab(DealTabControls& controls, GameFilterHandlers& filters,
                        DealTabHandlers& deals);
QWidget* build_comparison_tab(ComparisonTabControls& controls, DealTabHandlers& deals);
QWidget* build_monitor_tab(MonitorTabControls& controls, GameFilterHandlers& filters,
                           MonitorTabHandlers& monitor);
QWidget* build_ranking_tab(RankingTabControls& controls, RankingTabHandlers& rankings);
QWidget* build_message_tab(MessageTabControls& controls, ShellHandlers& shell);
QWidget* build_update_tab(UpdateTabControls& controls, ShellHandlers& shell);

}  // namespace quvolo::qt
