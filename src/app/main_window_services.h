#pragma once

#include <filesystem>
#include <functional>

#include "app/hosts.h"
#include "ui/alarm_sound.h"
#include "ui/appearance.h"
#include "ui/job_services.h"
#include "ui/window_opener.h"

namespace quvolo {

// Everything the main window's handlers are handed, assembled once by the program (or the
// command line, or a test). Each handler takes only the pieces it uses.
struct MainWindowServices {
    Hosts hosts;
    std::filesystem::path program_dir;
    ui::JobServices jobs;
    ui::Appearance& appearance;
    ui::AlarmSound& alarm;
    ui::WindowOpener& windows;
    // Writes out and starts the updater; false when it could not. Only a window build carries
    // an updater, so it is handed in.
    std::function<bool()> start_updater;
};

}  // namespace quvolo
