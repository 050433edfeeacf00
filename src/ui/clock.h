#pragma once

#include "text/date_time.h"

namespace quvolo::ui {

// The time of day, handed in so tests and scripts can fix it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

class SystemClock : public Clock {
  public:
    DateTime now() const override { return local_now(); }
};

}  // namespace quvolo::ui
