#pragma once

#include <atomic>
#include <cstdint>

namespace quvolo::ui {

// A newer load of a list supersedes an older one still running: each load takes a number,
// and only the load holding the newest number may write.
class LoadGeneration {
  public:
    std::uint64_t begin() { return ++current_; }
    bool is_current(std::uint64_t generation) const { return current_.load() == generation; }

  private:
    std::atomic<std::uint64_t> current_{0};
};

}  // namespace quvolo::ui
