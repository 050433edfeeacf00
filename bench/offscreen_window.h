#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/deal_tab_handlers.h"
#include "app/main_window_logic.h"
#include "qt/main_window.h"
#include "qt/qt_appearance.h"
#include "qt/qt_desktop.h"
#include "qt/qt_task_runner.h"
#include "ui/scaled_pacer.h"

namespace quvolo {

// The longest the window's thread went without serving a 1 ms timer: the longest stall a
// user would feel.
class StallMeter {
  public:
    StallMeter();
    void start();
    qint64 stop();

  private:
    QTimer timer_;
    QElapsedTimer since_last_;
    qint64 longest_ = 0;
};

void process_events_until(const std::function<bool()>& done);

// The whole window, off screen and shown, over the given hosts with no pauses. The update
// check is kept from asking its question.
struct OffscreenWindow {
    explicit OffscreenWindow(const Hosts& hosts);
    ~OffscreenWindow();

    void wait_for_catalogue();
    static std::filesystem::path program_dir();

    MainWindowControls controls;
    qt::QtDesktop desktop;
    ui::ScaledPacer pacer{0.0};
    qt::QtTaskRunner tasks;
    qt::QtAppearance appearance;
    AppServices services;
    MainWindowLogic logic;
    DealTabHandlers deals;
    qt::MainWindow window;
};

// Made on first use and never destroyed: after main has returned it is too late for the
// browser engine to tear down, so the process ends with it alive.
QApplication& offscreen_application();

}  // namespace quvolo
