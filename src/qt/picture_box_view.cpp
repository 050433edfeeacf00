#include "qt/picture_box_view.h"

#include <QLabel>
#include <QPixmap>

namespace quvolo::qt {

PictureBoxView::PictureBoxView(ui::MemoryPictureBox& store, QLabel& widget)
    : StoreView(store, &widget), store_(store), widget_(widget) {
    widget_.setAlignment(Qt::AlignCenter);
    redraw();
}

void PictureBoxView::redraw() {
    const std::string bytes = store_.image();
    QPixmap picture;
    if (bytes.empty() || !picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                               static_cast<uint>(bytes.size()))) {
        widget_.clear();
        return;
    }
    widget_.setPixmap(
        picture.scaled(widget_.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace quvolo::qt
