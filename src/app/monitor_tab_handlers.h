#pragma once

#include "app/main_window_controls.h"
#include "export/export_menu.h"
#include "ui/job_services.h"

namespace quvolo {

// The events of the price monitor tab.
class MonitorTabHandlers {
  public:
    MonitorTabHandlers(MonitorTabControls& controls, ui::JobServices jobs,
                       ExportPlace export_place);

    // "未交易订单导出Excel".
    void export_chosen();

  private:
    MonitorTabControls& controls_;
    ui::JobServices jobs_;
    ExportPlace export_place_;
};

}  // namespace quvolo
