#pragma once

#include <functional>
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

  private:
    std::function<void()> listener_;
};

}  // namespace quvolo::ui
