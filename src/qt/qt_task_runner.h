#pragma once

#include <atomic>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

#include "qt/window_queue.h"
#include "ui/task_runner.h"

namespace quvolo::qt {

// Workers are std::jthreads kept until the window closes; calls for the window are queued on
// the thread that created the runner, in the order they were asked for.
class QtTaskRunner : public ui::TaskRunner {
  public:
    QtTaskRunner();
    ~QtTaskRunner() override;

    void run_on_worker(std::function<void(std::stop_token)> work) override;
    void run_on_window(std::function<void()> work) override;

    // Asks every worker to stop and waits for them; later work is refused. Every wait and
    // fetch of a worker honours its token, so this ends promptly.
    void stop_all();

  private:
    struct Worker {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    void forget_finished_workers();
    bool stopped();

    WindowQueue window_;
    std::mutex mutex_;
    std::list<Worker> workers_;
    bool stopped_ = false;
};

}  // namespace quvolo::qt
