#pragma once

#include <filesystem>
#include <functional>

#include "app/hosts.h"
#include "app/main_window_controls.h"
#include "ui/appearance.h"
#include "ui/job_services.h"

namespace quvolo {

// What belongs to the program rather than to a tab: its files, the skin, the message board
// and the update check.
class ShellHandlers {
  public:
    struct Services {
        const Hosts& hosts;
        std::filesystem::path program_dir;
        ui::Appearance& appearance;
        std::function<bool()> start_updater;
    };

    ShellHandlers(MainWindowControls& controls, Services services, ui::JobServices jobs);

    // The window's "created" event, up to the catalogue load: skin, program files, pages.
    void window_created();
    // Its last step: 时钟1 asks for the update check a little later.
    void start_update_timer();

    void update_timer_fired();
    void check_update_clicked();
    void manual_update_clicked();
    void refresh_messages_clicked();
    void website_clicked();
    void slider1_moved(int position);
    void slider2_moved(int position);

  private:
    void check_for_update(bool report_latest);

    MainWindowControls& controls_;
    Services services_;
    ui::JobServices jobs_;
};

}  // namespace quvolo
