#include "qt/caption_views.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "qt/gbk_qstring.h"

namespace quvolo::qt {

LabelView::LabelView(ui::MemoryLabel& store, QLabel& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    widget_.setTextFormat(Qt::PlainText);
    redraw();
}

void LabelView::redraw() {
    widget_.setText(to_qstring(store_.caption()));
    widget_.setVisible(store_.visible());
}

ButtonView::ButtonView(ui::MemoryButton& store, QPushButton& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    redraw();
}

void ButtonView::redraw() {
    widget_.setText(to_qstring(store_.caption()));
    widget_.setVisible(store_.visible());
    widget_.setEnabled(store_.enabled());
    widget_.setDefault(store_.is_default());
}

FloatingGroupBoxView::FloatingGroupBoxView(ui::MemoryGroupBox& store, QGroupBox& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    if (QWidget* parent = widget_.parentWidget()) {
        parent->installEventFilter(this);
    }
    redraw();
}

void FloatingGroupBoxView::redraw() {
    widget_.setTitle(to_qstring(store_.caption()));
    widget_.setVisible(store_.visible());
    if (store_.visible()) {
        centre();
        widget_.raise();
    }
}

bool FloatingGroupBoxView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == widget_.parentWidget()) {
        centre();
    }
    return false;
}

void FloatingGroupBoxView::centre() {
    const QWidget* parent = widget_.parentWidget();
    if (parent == nullptr) {
        return;
    }
    widget_.adjustSize();
    widget_.move((parent->width() - widget_.width()) / 2,
                 (parent->height() - widget_.height()) / 2);
}

}  // namespace quvolo::qt
