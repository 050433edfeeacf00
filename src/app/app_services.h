#pragma once

#include <filesystem>

#include "app/hosts.h"
#include "ui/appearance.h"
#include "ui/desktop.h"
#include "ui/pacer.h"
#include "ui/task_runner.h"

namespace quvolo {

// What the window's logic is handed instead of reaching for globals.
struct AppServices {
    Hosts hosts;
    std::filesystem::path program_dir;
    ui::Desktop& desktop;
    ui::Pacer& pacer;
    ui::TaskRunner& tasks;
    ui::Appearance& appearance;
};

}  // namespace quvolo
