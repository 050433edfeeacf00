#include "qt/qt_window_opener.h"

namespace quvolo::qt {

QtWindowOpener::~QtWindowOpener() {
    close_all();
}

void QtWindowOpener::add(ui::SecondaryWindow which, Factory make) {
    factories_[which] = std::move(make);
}

void QtWindowOpener::open(ui::SecondaryWindow which) {
    if (QPointer<SecondaryWindow>& shown = open_[which]) {
        shown->showNormal();
        shown->raise();
        shown->activateWindow();
        return;
    }
    const auto factory = factories_.find(which);
    if (factory == factories_.end()) {
        return;
    }
    SecondaryWindow* window = factory->second();
    open_[which] = window;
    window->show();
}

void QtWindowOpener::close_all() {
    for (auto& [which, window] : open_) {
        if (window) {
            window->close_now();
            delete window.data();
        }
    }
    open_.clear();
}

}  // namespace quvolo::qt
