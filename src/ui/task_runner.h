#pragma once

#include <functional>
#include <stop_token>

namespace quvolo::ui {

// Where work runs: network reads on workers, their continuations back on the window's thread.
class TaskRunner {
  public:
    virtual ~TaskRunner() = default;
    // Starts a worker; its token is stopped when the window closes.
    virtual void run_on_worker(std::function<void(std::stop_token)> work) = 0;
    // Queues a call on the window's thread, after everything queued before it.
    virtual void run_on_window(std::function<void()> work) = 0;
};

}  // namespace quvolo::ui
