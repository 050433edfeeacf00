#include "ui/scan_switch.h"

namespace quvolo::ui {

void ScanSwitch::pause() {
    std::lock_guard lock(mutex_);
    paused_ = true;
}

void ScanSwitch::resume() {
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    changed_.notify_all();
}

void ScanSwitch::stop() {
    // The condition's wait watches the token, so a paused job wakes for it too.
    source_.request_stop();
}

bool ScanSwitch::paused() const {
    std::lock_guard lock(mutex_);
    return paused_;
}

bool ScanSwitch::proceed() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, source_.get_token(), [this] { return !paused_; });
    return !source_.stop_requested();
}

bool ScanSwitch::wait(Pacer& pacer, std::chrono::milliseconds duration) {
    return proceed() && pacer.pause(duration, source_.get_token()) && proceed();
}

}  // namespace quvolo::ui
