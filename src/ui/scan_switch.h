#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>

#include "ui/pacer.h"

namespace quvolo::ui {

// What a window's Pause, Continue and Stop act on while a long job runs. The window's thread
// only flips it, so every button acts at once; the job asks it before and after each request,
// each control write and around its waits. A paused job sleeps on a condition, never spins;
// Stop also stops the token its requests carry, which aborts a request in flight.
// One switch serves one run: a stop cannot be taken back.
class ScanSwitch {
  public:
    void pause();
    void resume();
    void stop();

    bool paused() const;
    bool stopped() const { return source_.stop_requested(); }
    std::stop_token stop_token() const { return source_.get_token(); }

    // Returns at once while running; sleeps while paused; false once stopped.
    bool proceed();
    // A pacer's pause that Stop ends at once, followed by proceed().
    bool wait(Pacer& pacer, std::chrono::milliseconds duration);

  private:
    mutable std::mutex mutex_;
    std::condition_variable_any changed_;
    bool paused_ = false;
    std::stop_source source_;
};

}  // namespace quvolo::ui
