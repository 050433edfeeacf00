#pragma once

#include <QTimer>

#include "qt/store_view.h"
#include "ui/memory_captions.h"

namespace quvolo::qt {

// Runs a window timer at the store's period; period 0 stops it.
class TimerView : public StoreView {
    Q_OBJECT
  public:
    TimerView(ui::MemoryTimer& store, QObject* parent);

    bool running() const { return timer_.isActive(); }

  signals:
    void fired();

  protected:
    void redraw() override;

  private:
    ui::MemoryTimer& store_;
    QTimer timer_;
};

}  // namespace quvolo::qt
