#pragma once

#include <filesystem>

#include "app/hosts.h"
#include "app/main_window_controls.h"
#include "app/main_window_handlers.h"
#include "net/curl_web_source.h"
#include "qt/main_window.h"
#include "qt/qt_appearance.h"
#include "qt/qt_desktop.h"
#include "qt/qt_task_runner.h"
#include "qt/qt_window_opener.h"
#include "ui/scaled_pacer.h"

namespace quvolo::qt {

// The whole window program over its hosts: the controls, the services, the handlers, the main
// window and the further windows it opens. The program, the window tests and the benchmarks
// all assemble it here; pace scales every deliberate pause (0 = none).
struct WindowProgram {
    WindowProgram(const Hosts& hosts, const std::filesystem::path& program_dir, double pace);
    // Workers reach the controls and the handlers: every job ends before they are destroyed.
    ~WindowProgram();

    MainWindowControls controls;
    CurlWebSource web;
    QtDesktop desktop;
    ui::ScaledPacer pacer;
    ui::SystemClock clock;
    QtTaskRunner tasks;
    QtAppearance appearance;
    ui::CountingAlarmSound alarm;
    QtWindowOpener windows;
    MainWindowServices services;
    MainWindowHandlers handlers;
    MainWindow window;

  private:
    void stop_every_job();
};

}  // namespace quvolo::qt
