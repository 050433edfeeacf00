#pragma once

namespace quvolo::ui {

// Shifts the colours of every window: hue in degrees (-180..180), second value -100..100.
class Appearance {
  public:
    virtual ~Appearance() = default;
    virtual void adjust_hue(int hue, int second) = 0;
};

}  // namespace quvolo::ui
