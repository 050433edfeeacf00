#pragma once

#include <mutex>
#include <vector>

namespace quvolo::ui {

enum class SecondaryWindow { rank_chart, market_trend, all_volumes, test_list };

// Opens one of the program's further windows, or brings it to the front when it is open.
// Called on the window's thread.
class WindowOpener {
  public:
    virtual ~WindowOpener() = default;
    virtual void open(SecondaryWindow window) = 0;
};

// For the command line and tests: records what was asked.
class RecordingWindowOpener : public WindowOpener {
  public:
    void open(SecondaryWindow window) override {
        std::lock_guard lock(mutex_);
        opened_.push_back(window);
    }
    std::vector<SecondaryWindow> opened() const {
        std::lock_guard lock(mutex_);
        return opened_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<SecondaryWindow> opened_;
};

}  // namespace quvolo::ui
