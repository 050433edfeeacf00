#pragma once

#include <chrono>
#include <functional>

namespace quvolo::qt {

// Processes the window's events until `done` holds; false when the deadline passed first.
// The deadline only bounds a failing test, it measures nothing.
bool process_events_until(const std::function<bool()>& done,
                          std::chrono::milliseconds deadline = std::chrono::seconds(30));

}  // namespace quvolo::qt
