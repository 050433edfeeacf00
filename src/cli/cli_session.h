#pragma once

#include <stop_token>

#include "app/app_services.h"
#include "app/main_window_controls.h"
#include "app/start_up.h"
#include "cli/command.h"
#include "cli/console_desktop.h"
#include "ui/scaled_pacer.h"

namespace quvolo::cli {

// The command line runs each handler to its end before the next: a worker's work runs at once
// on the calling thread.
class SequentialTasks : public ui::TaskRunner {
  public:
    void run_on_worker(std::function<void(std::stop_token)> work) override { work({}); }
    void run_on_window(std::function<void()> work) override { work(); }
};

class NoAppearance : public ui::Appearance {
  public:
    void adjust_hue(int, int) override {}
};

// The main window's controls without a window, with the services a handler needs.
struct CliSession {
    explicit CliSession(const CommandContext& context);

    HostSetup setup;
    MainWindowControls controls;
    ConsoleDesktop desktop;
    ui::ScaledPacer pacer;
    SequentialTasks tasks;
    NoAppearance appearance;
    AppServices services;
};

}  // namespace quvolo::cli
