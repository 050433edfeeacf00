#pragma once

#include <stop_token>

#include "app/main_window_controls.h"
#include "app/main_window_handlers.h"
#include "app/start_up.h"
#include "cli/command.h"
#include "cli/console_desktop.h"
#include "net/curl_web_source.h"
#include "ui/scaled_pacer.h"
#include "ui/window_opener.h"

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

// The main window's controls without a window, driven by the window's own handlers.
struct CliSession {
    explicit CliSession(const CommandContext& context);

    // The catalogue as the window loads it; the number of games.
    int load_catalogue();

    HostSetup setup;
    MainWindowControls controls;
    CurlWebSource web;
    ConsoleDesktop desktop;
    ui::ScaledPacer pacer;
    ui::SystemClock clock;
    SequentialTasks tasks;
    NoAppearance appearance;
    ui::CountingAlarmSound alarm;
    ui::RecordingWindowOpener windows;
    MainWindowServices services;
    MainWindowHandlers handlers;
};

}  // namespace quvolo::cli
