#include "ui/scaled_pacer.h"

#include <condition_variable>
#include <mutex>

namespace quvolo::ui {

bool ScaledPacer::pause(std::chrono::milliseconds duration, std::stop_token stop) {
    ++pauses_;
    if (stop.stop_requested()) {
        return false;
    }
    const auto scaled = std::chrono::duration_cast<std::chrono::milliseconds>(duration * scale_);
    if (scaled.count() <= 0) {
        return true;
    }
    std::mutex mutex;
    std::condition_variable_any woken;
    std::unique_lock lock(mutex);
    woken.wait_for(lock, stop, scaled, [] { return false; });
    return !stop.stop_requested();
}

}  // namespace quvolo::ui
