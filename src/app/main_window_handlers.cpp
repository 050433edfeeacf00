#include "app/main_window_handlers.h"

namespace quvolo {
namespace {

ExportPlace export_place(MainWindowControls& controls, const MainWindowServices& services) {
    return {{services.jobs.desktop, controls.分组框2, controls.进度条1},
            export_sheet_name(host_name_of(services.hosts.publisher))};
}

}  // namespace

MainWindowHandlers::MainWindowHandlers(MainWindowControls& controls,
                                       const MainWindowServices& services)
    : shell(controls,
            {services.hosts, services.program_dir, services.appearance, services.start_updater},
            services.jobs),
      filters(controls.deal, controls.monitor, {controls.状态, controls.状态条1}, services.hosts,
              services.jobs),
      deals(controls, services.hosts, services.jobs, export_place(controls, services)),
      monitor(controls.monitor, services.jobs, export_place(controls, services)),
      rankings(services.windows) {}

void MainWindowHandlers::window_created() {
    shell.window_created();
    filters.load_catalogue();
    shell.start_update_timer();
}

}  // namespace quvolo
