#include "qt/qt_task_runner.h"

namespace quvolo::qt {

QtTaskRunner::QtTaskRunner() = default;

QtTaskRunner::~QtTaskRunner() {
    stop_all();
}

void QtTaskRunner::run_on_worker(std::function<void(std::stop_token)> work) {
    std::lock_guard lock(mutex_);
    if (stopped_) {
        return;
    }
    forget_finished_workers();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    workers_.push_back({std::jthread([work = std::move(work), finished](std::stop_token stop) {
                            work(stop);
                            finished->store(true);
                        }),
                        finished});
}

void QtTaskRunner::forget_finished_workers() {
    // A finished worker has left its function; joining it only waits for the thread to exit.
    workers_.remove_if([](const Worker& worker) { return worker.finished->load(); });
}

void QtTaskRunner::run_on_window(std::function<void()> work) {
    // A call that arrives after the stop is dropped: what it would write may be gone.
    window_.post([this, work = std::move(work)] {
        if (!stopped()) {
            work();
        }
    });
}

bool QtTaskRunner::stopped() {
    std::lock_guard lock(mutex_);
    return stopped_;
}

void QtTaskRunner::stop_all() {
    std::list<Worker> stopping;
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
        stopping.swap(workers_);
    }
    for (auto& worker : stopping) {
        worker.thread.request_stop();
    }
    // Destroying the list joins every thread.
}

}  // namespace quvolo::qt
