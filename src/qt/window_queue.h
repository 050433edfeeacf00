#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <mutex>

namespace quvolo::qt {

// Calls handed to the thread this queue lives on, from any thread, run there in the order they
// were posted. The calls pass through a mutex of ours rather than inside Qt's events, so every
// hand-over is visible to the thread sanitizer.
class WindowQueue : public QObject {
    Q_OBJECT
  public:
    void post(std::function<void()> call);

  private:
    Q_INVOKABLE void run_next();

    std::mutex mutex_;
    std::deque<std::function<void()>> calls_;
};

}  // namespace quvolo::qt
