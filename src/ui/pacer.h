#pragma once

#include <chrono>
#include <stop_token>

namespace quvolo::ui {

// Every deliberate pause goes through one pacer, so tests can run without waiting and a stop
// request ends a pause at once.
class Pacer {
  public:
    virtual ~Pacer() = default;
    // False when the stop token ended the pause early (or was already set).
    virtual bool pause(std::chrono::milliseconds duration, std::stop_token stop) = 0;
};

}  // namespace quvolo::ui
