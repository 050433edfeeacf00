#pragma once

#include <atomic>

namespace quvolo::ui {

// The monitor's alarm tone. Both calls return at once, from the window's thread; a sound that
// cannot play is silently skipped, so it never keeps a box away.
class AlarmSound {
  public:
    virtual ~AlarmSound() = default;
    virtual void play_once() = 0;
    virtual void stop() = 0;
};

// For the command line and tests: plays nothing, counts what was asked.
class CountingAlarmSound : public AlarmSound {
  public:
    void play_once() override { ++plays_; }
    void stop() override { ++stops_; }
    int plays() const { return plays_; }
    int stops() const { return stops_; }

  private:
    std::atomic<int> plays_{0}, stops_{0};
};

}  // namespace quvolo::ui
