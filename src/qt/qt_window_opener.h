#pragma once

#include <QPointer>
#include <functional>
#include <map>

#include "qt/secondary_window.h"
#include "ui/window_opener.h"

namespace quvolo::qt {

// Opens each further window once: a second request brings the open one to the front. Each
// window is made by the factory added for it, with whatever it shows at opening.
class QtWindowOpener : public ui::WindowOpener {
  public:
    using Factory = std::function<SecondaryWindow*()>;

    ~QtWindowOpener() override;

    void add(ui::SecondaryWindow which, Factory make);
    void open(ui::SecondaryWindow which) override;
    // Closes every open window without asking; their jobs end before this returns.
    void close_all();

  private:
    std::map<ui::SecondaryWindow, Factory> factories_;
    std::map<ui::SecondaryWindow, QPointer<SecondaryWindow>> open_;
};

}  // namespace quvolo::qt
