#pragma once

#include "app/deal_tab_handlers.h"
#include "app/main_window_controls.h"
#include "app/main_window_logic.h"

class QWidget;

namespace quvolo::qt {

// Each page of the main window's tab control, bound to its controls; the events this window
// handles so far go to the logic.
QWidget* build_deal_tab(DealTabControls& controls, MainWindowLogic& logic, DealTabHandlers& deals);
QWidget* build_comparison_tab(ComparisonTabControls& controls, DealTabHandlers& deals);
QWidget* build_monitor_tab(MonitorTabControls& controls, MainWindowLogic& logic);
QWidget* build_ranking_tab(RankingTabControls& controls);
QWidget* build_message_tab(MessageTabControls& controls, MainWindowLogic& logic);
QWidget* build_update_tab(UpdateTabControls& controls, MainWindowLogic& logic);

}  // namespace quvolo::qt
