#pragma once

#include <atomic>

#include "ui/pacer.h"

namespace quvolo::ui {

// Waits the asked time multiplied by a scale (1 = the program's own pauses, 0 = none) and
// counts the pauses, so tests can run at full speed and still see every pause asked for.
class ScaledPacer : public Pacer {
  public:
    explicit ScaledPacer(double scale = 1.0) : scale_(scale) {}
    bool pause(std::chrono::milliseconds duration, std::stop_token stop) override;
    int pauses() const { return pauses_.load(); }

  private:
    const double scale_;
    std::atomic<int> pauses_{0};
};

}  // namespace quvolo::ui
