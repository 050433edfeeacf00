#pragma once

#include "qt/store_view.h"
#include "ui/memory_captions.h"

class QLabel;

namespace quvolo::qt {

// Shows the store's image bytes scaled into the label; bytes that are no image show nothing.
class PictureBoxView : public StoreView {
    Q_OBJECT
  public:
    PictureBoxView(ui::MemoryPictureBox& store, QLabel& widget);

  protected:
    void redraw() override;

  private:
    ui::MemoryPictureBox& store_;
    QLabel& widget_;
};

}  // namespace quvolo::qt
