#include "app/monitor_tab_handlers.h"

namespace quvolo {

MonitorTabHandlers::MonitorTabHandlers(MonitorTabControls& controls, ui::JobServices jobs,
                                       ExportPlace export_place)
    : controls_(controls), jobs_(jobs), export_place_(std::move(export_place)) {}

void MonitorTabHandlers::export_chosen() {
    export_open_offer_list(controls_.成交信息1, controls_.查询目标1, export_place_.controls,
                           export_place_.sheet_name, jobs_.clock.now());
}

}  // namespace quvolo
