#include "qt/window_program.h"

#include "app/updater_launch.h"

namespace quvolo::qt {

WindowProgram::WindowProgram(const Hosts& hosts, const std::filesystem::path& program_dir,
                             double pace)
    : pacer(pace),
      services{hosts,
               program_dir,
               {web, pacer, clock, desktop, tasks},
               appearance,
               alarm,
               windows,
               [this] { return start_updater(services.program_dir, services.hosts); }},
      handlers(controls, services),
      window(controls, handlers, tasks, desktop) {
    QObject::connect(&window, &MainWindow::closing, &window, [this] { windows.close_all(); });
}

WindowProgram::~WindowProgram() {
    stop_every_job();
}

void WindowProgram::stop_every_job() {
    windows.close_all();
    // Workers waiting for a box are answered first, so each of them can see its stop and end.
    desktop.shut_down();
    tasks.stop_all();
}

}  // namespace quvolo::qt
