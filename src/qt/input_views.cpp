#include "qt/input_views.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QSignalBlocker>

#include "qt/gbk_qstring.h"

namespace quvolo::qt {

EditBoxView::EditBoxView(ui::MemoryEditBox& store, QLineEdit& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    connect(&widget_, &QLineEdit::textEdited, this,
            [this](const QString& text) { store_.set_text(to_gbk(text)); });
    redraw();
}

void EditBoxView::redraw() {
    const QString text = to_qstring(store_.text());
    if (text != widget_.text()) {
        const QSignalBlocker block(widget_);
        widget_.setText(text);
    }
}

DateBoxView::DateBoxView(ui::MemoryDateBox& store, QDateEdit& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    connect(&widget_, &QDateEdit::dateChanged, this, [this](const QDate& day) {
        store_.set_date({day.year(), day.month(), day.day()});
        emit date_changed();
    });
    redraw();
}

void DateBoxView::redraw() {
    const DateTime day = store_.date();
    const QSignalBlocker block(widget_);
    widget_.setDate(QDate(day.year, day.month, day.day));
}

}  // namespace quvolo::qt
