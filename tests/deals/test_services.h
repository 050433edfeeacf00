#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "ui/pacer.h"
#include "ui/task_runner.h"

namespace quvolo::testing {

// Workers on real threads, as in the window; the test thread plays the window's thread and
// runs the calls queued for it when it waits.
class ThreadTasks : public ui::TaskRunner {
  public:
    ~ThreadTasks() override { wait_all(); }
    void run_on_worker(std::function<void(std::stop_token)> work) override;
    void run_on_window(std::function<void()> work) override;
    // Waits until every worker has ended, running the window's queue meanwhile.
    void wait_all();

  private:
    std::mutex mutex_;
    std::vector<std::jthread> workers_;
    std::vector<std::function<void()>> window_queue_;
};

// A pacer whose pauses hold until the test opens it; counts the pauses begun.
class GatedPacer : public ui::Pacer {
  public:
    bool pause(std::chrono::milliseconds duration, std::stop_token stop) override;
    // Blocks until at least `count` pauses have begun.
    void wait_for_pauses(int count);
    void open();

  private:
    std::mutex mutex_;
    std::condition_variable_any changed_;
    int pauses_ = 0;
    bool open_ = false;
};

}  // namespace quvolo::testing
