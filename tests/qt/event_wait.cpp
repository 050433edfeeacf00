#include "event_wait.h"

#include <QCoreApplication>
#include <QThread>

namespace quvolo::qt {

bool process_events_until(const std::function<bool()>& done, std::chrono::milliseconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

}  // namespace quvolo::qt
