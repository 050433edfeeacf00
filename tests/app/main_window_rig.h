#pragma once

#include <filesystem>

#include "app/main_window_handlers.h"
#include "net/curl_web_source.h"
#include "ui/scaled_pacer.h"
#include "ui/scripted_desktop.h"

namespace quvolo::testing {

struct NoAppearance : ui::Appearance {
    void adjust_hue(int, int) override {}
};

// The main window's handlers over in-memory controls and a scripted desktop, with no pauses and
// the test's own task runner.
struct MainWindowRig {
    MainWindowRig(const Hosts& hosts, const std::filesystem::path& program_dir,
                  ui::TaskRunner& tasks)
        : services{hosts,
                   program_dir,
                   {web, pacer, clock, desktop, tasks},
                   appearance,
                   alarm,
                   windows,
                   [] { return false; }},
          handlers(controls, services) {}

    MainWindowControls controls;
    CurlWebSource web;
    ui::ScriptedDesktop desktop;
    ui::ScaledPacer pacer{0};
    ui::SystemClock clock;
    NoAppearance appearance;
    ui::CountingAlarmSound alarm;
    ui::RecordingWindowOpener windows;
    MainWindowServices services;
    MainWindowHandlers handlers;
};

}  // namespace quvolo::testing
