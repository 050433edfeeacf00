#include "qt/status_views.h"

#include <QLabel>
#include <QProgressBar>

#include "qt/gbk_qstring.h"

namespace quvolo::qt {

StatusBarView::StatusBarView(ui::MemoryStatusBar& store, Parts parts, QObject* parent)
    : StoreView(store, parent), store_(store), parts_(parts) {
    for (QLabel* part : parts_) {
        part->setTextFormat(Qt::PlainText);
    }
    redraw();
}

void StatusBarView::redraw() {
    for (int index = 0; index < static_cast<int>(parts_.size()); ++index) {
        parts_[index]->setText(to_qstring(store_.part(index)));
    }
}

ProgressBarView::ProgressBarView(ui::MemoryProgressBar& store, QProgressBar& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    redraw();
}

void ProgressBarView::redraw() {
    widget_.setMaximum(store_.maximum());
    widget_.setValue(store_.position());
}

}  // namespace quvolo::qt
