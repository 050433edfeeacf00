#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/start_up.h"
#include "qt/window_program.h"

namespace quvolo::qt {

// The whole window with its logic, shown off screen, with no pauses.
struct ShownWindow : WindowProgram {
    ShownWindow(const Hosts& hosts, const std::filesystem::path& program_dir)
        : WindowProgram(hosts, program_dir, 0.0) {}
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
