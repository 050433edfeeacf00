#include "qt/window_queue.h"

namespace quvolo::qt {

void WindowQueue::post(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    // One event per call, each running the oldest call: events posted in between (a view's
    // redraw) keep their place between the calls.
    QMetaObject::invokeMethod(this, "run_next", Qt::QueuedConnection);
}

void WindowQueue::run_next() {
    std::function<void()> call;
    {
        std::lock_guard lock(mutex_);
        if (calls_.empty()) {
            return;
        }
        call = std::move(calls_.front());
        calls_.pop_front();
    }
    call();
}

}  // namespace quvolo::qt
