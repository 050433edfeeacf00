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
        QMetaObject::invokeMethod(
            link->view,
            [link] {
                // Cleared before reading the store: a write from now on posts a new redraw.
                link->redraw_pending = false;
                link->view->redraw();
            },
            Qt::QueuedConnection);
    });
}

StoreView::~StoreView() {
    std::lock_guard lock(link_->mutex);
    link_->view = nullptr;
}

}  // namespace quvolo::qt
