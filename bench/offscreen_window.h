#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "qt/window_program.h"

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
struct OffscreenWindow : qt::WindowProgram {
    explicit OffscreenWindow(const Hosts& hosts);
    ~OffscreenWindow();

    void wait_for_catalogue();
    static std::filesystem::path program_dir();
};

// Made on first use and never destroyed: after main has returned it is too late for the
// browser engine to tear down, so the process ends with it alive.
QApplication& offscreen_application();

}  // namespace quvolo
