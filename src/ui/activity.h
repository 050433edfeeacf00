#pragma once

#include <string_view>

#include "ui/captions.h"

namespace quvolo::ui {

// The current activity shows in two places at once: the label at the window's top right and
// part 1 of the status bar.
struct ActivityDisplay {
    Label& label;
    StatusBar& status_bar;

    void show(std::string_view text) const {
        label.set_caption(text);
        status_bar.set_part(1, text);
    }
};

}  // namespace quvolo::ui
