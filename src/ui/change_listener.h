#pragma once

#include <functional>
#include <mutex>
#include <utility>

namespace quvolo::ui {

// A control's data lives in its in-memory store; a shown widget is a view that listens for
// changes and redraws from the store. The listener is set once, before any worker can write.
class ChangeNotifier {
  public:
    void set_change_listener(std::function<void()> listener) { listener_ = std::move(listener); }

  protected:
    void notify_change() const {
        if (listener_) {
            listener_();
        }
    }

    // Assigns under the store's lock, then tells the listener outside it.
    template <class Field, class Value>
    void write_field(std::mutex& mutex, Field& field, Value&& value) {
        {
            std::lock_guard lock(mutex);
            field = std::forward<Value>(value);
        }
        notify_change();
    }

  private:
    std::function<void()> listener_;
};

// A copy of a store's field taken under its lock.
template <class Field>
Field read_field(std::mutex& mutex, const Field& field) {
    std::lock_guard lock(mutex);
    return field;
}

}  // namespace quvolo::ui
