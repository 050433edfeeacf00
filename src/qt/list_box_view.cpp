#include "qt/list_box_view.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

#include "qt/gbk_qstring.h"

namespace quvolo::qt {
namespace {

bool starts_with(const std::vector<std::string>& items, const std::vector<std::string>& prefix) {
    return prefix.size() <= items.size() && std::equal(prefix.begin(), prefix.end(), items.begin());
}

QStringList to_qstrings(std::vector<std::string>::const_iterator first,
                        std::vector<std::string>::const_iterator last) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(last - first));
    for (auto it = first; it != last; ++it) {
        texts.append(to_qstring(*it));
    }
    return texts;
}

}  // namespace

ListBoxView::ListBoxView(ui::MemoryListBox& store, QListWidget& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    widget_.setSelectionMode(QAbstractItemView::SingleSelection);
    widget_.setUniformItemSizes(true);
    connect(&widget_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (redrawing_) {
            return;
        }
        store_.select(row);
        emit chosen(row);
    });
    redraw();
}

void ListBoxView::redraw() {
    std::vector<std::string> items = store_.items();
    const int selected = store_.selected();
    redrawing_ = true;
    // Lists mostly grow at the end (a catalogue arriving game by game): append only what is new.
    if (starts_with(items, shown_)) {
        widget_.addItems(
            to_qstrings(items.begin() + static_cast<long>(shown_.size()), items.end()));
    } else {
        widget_.clear();
        widget_.addItems(to_qstrings(items.begin(), items.end()));
    }
    shown_ = std::move(items);
    if (selected != widget_.currentRow()) {
        widget_.setCurrentRow(selected);
    }
    redrawing_ = false;
}

DropDownView::DropDownView(ui::MemoryListBox& store, QComboBox& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    connect(&widget_, &QComboBox::activated, this, [this](int index) {
        store_.select(index);
        emit chosen(index);
    });
    redraw();
}

void DropDownView::redraw() {
    std::vector<std::string> items = store_.items();
    const QSignalBlocker block(widget_);
    if (items != shown_) {
        widget_.clear();
        widget_.addItems(to_qstrings(items.begin(), items.end()));
        shown_ = std::move(items);
    }
    widget_.setCurrentIndex(store_.selected());
}

}  // namespace quvolo::qt
