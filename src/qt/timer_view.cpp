#include "qt/timer_view.h"

namespace quvolo::qt {

TimerView::TimerView(ui::MemoryTimer& store, QObject* parent)
    : StoreView(store, parent), store_(store) {
    connect(&timer_, &QTimer::timeout, this, &TimerView::fired);
    redraw();
}

void TimerView::redraw() {
    const int period = store_.period();
    if (period <= 0) {
        timer_.stop();
    } else if (!timer_.isActive() || timer_.interval() != period) {
        timer_.start(period);
    }
}

}  // namespace quvolo::qt
