#include "qt/store_view.h"

#include <QMetaObject>
#include <atomic>
#include <mutex>

namespace quvolo::qt {

// Shared by the store's listener and the view, so a write racing with the view's end is safe.
struct StoreView::Link {
    std::mutex mutex;
    StoreView* view = nullptr;
    std::atomic<bool> redraw_pending{false};
};

StoreView::StoreView(ui::ChangeNotifier& store, QObject* parent)
    : QObject(parent), link_(std::make_shared<Link>()) {
    link_->view = this;
    store.set_change_listener([link = link_] {
        if (link->redraw_pending.exchange(true)) {
            return;
        }
        std::lock_guard lock(link->mutex);
        if (link->view == nullptr) {
            return;
        }
        // By name: the worker hands Qt nothing of ours, and the flag and the store's own
        // mutex carry everything the redraw reads.
        QMetaObject::invokeMethod(link->view, "redraw_posted", Qt::QueuedConnection);
    });
}

void StoreView::redraw_posted() {
    // Cleared before reading the store: a write from now on posts a new redraw.
    link_->redraw_pending = false;
    redraw();
}

StoreView::~StoreView() {
    std::lock_guard lock(link_->mutex);
    link_->view = nullptr;
}

}  // namespace quvolo::qt
