#include "test_services.h"

namespace quvolo::testing {

void ThreadTasks::run_on_worker(std::function<void(std::stop_token)> work) {
    std::lock_guard lock(mutex_);
    workers_.emplace_back(std::move(work));
}

void ThreadTasks::run_on_window(std::function<void()> work) {
    std::lock_guard lock(mutex_);
    window_queue_.push_back(std::move(work));
}

void ThreadTasks::wait_all() {
    while (true) {
        std::vector<std::jthread> workers;
        std::vector<std::function<void()>> queued;
        {
            std::lock_guard lock(mutex_);
            workers.swap(workers_);
            queued.swap(window_queue_);
        }
        if (workers.empty() && queued.empty()) {
            return;
        }
        // Joined, not destroyed: a jthread's destructor would ask its work to stop first.
        for (auto& worker : workers) {
            worker.join();
        }
        for (auto& call : queued) {
            call();
        }
    }
}

bool GatedPacer::pause(std::chrono::milliseconds, std::stop_token stop) {
    std::unique_lock lock(mutex_);
    ++pauses_;
    changed_.notify_all();
    return changed_.wait(lock, stop, [this] { return open_; });
}

void GatedPacer::wait_for_pauses(int count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return pauses_ >= count; });
}

void GatedPacer::open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
}

}  // namespace quvolo::testing
