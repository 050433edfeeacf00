#pragma once

#include <QPalette>

#include "qt/window_queue.h"
#include "ui/appearance.h"

namespace quvolo::qt {

// Tints the whole application: the palette the program started with, its colours turned by
// the hue and made more or less colourful by the second value.
class QtAppearance : public ui::Appearance {
  public:
    QtAppearance();
    void adjust_hue(int hue, int second) override;

  private:
    WindowQueue window_;
    const QPalette original_;
};

// The palette that adjust_hue applies, for the given start palette.
QPalette tinted_palette(const QPalette& original, int hue, int second);

}  // namespace quvolo::qt
