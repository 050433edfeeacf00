#pragma once

#include <cstdint>
#include <mutex>

namespace quvolo {

// Lets only the newest load of a list write to it. A load takes a turn when it begins; each of
// its writes runs under the lock and only while that turn is still the newest, so an older
// load can never slip an item in after a newer load has emptied the list.
class WriteTurns {
  public:
    std::uint64_t begin() {
        std::lock_guard lock(mutex_);
        return ++newest_;
    }

    bool is_newest(std::uint64_t turn) const {
        std::lock_guard lock(mutex_);
        return turn == newest_;
    }

    // Runs write and returns true while turn is the newest; otherwise returns false.
    template <class Write>
    bool write(std::uint64_t turn, Write&& write) {
        std::lock_guard lock(mutex_);
        if (turn != newest_) {
            return false;
        }
        write();
        return true;
    }

  private:
    mutable std::mutex mutex_;
    std::uint64_t newest_ = 0;
};

}  // namespace quvolo
