#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/deal_tab_handlers.h"
#include "app/main_window_logic.h"
#include "app/start_up.h"
#include "qt/main_window.h"
#include "qt/qt_appearance.h"
#include "qt/qt_desktop.h"
#include "qt/qt_task_runner.h"
#include "ui/scaled_pacer.h"

namespace quvolo::qt {

// The whole window with its logic, shown off screen, with no pauses.
struct ShownWindow {
    ShownWindow(const Hosts& hosts, const std::filesystem::path& program_dir);

    MainWindowControls controls;
    QtDesktop desktop;
    ui::ScaledPacer pacer{0.0};
    QtTaskRunner tasks;
    QtAppearance appearance;
    AppServices services;
    MainWindowLogic logic;
    DealTabHandlers deals;
    MainWindow window;
};

// A test of the real window on the demo marketplace: a config.ini without hosts in a program
// folder of the test's own, the update check's timer stopped (no test here is about it) and
// the catalogue in the game lists before the test begins.
class WindowOnDemo : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    HostSetup setup_;
    std::unique_ptr<ShownWindow> shown_;

  private:
    std::filesystem::path program_dir_;
};

}  // namespace quvolo::qt
