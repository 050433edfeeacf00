#pragma once

#include <array>

#include "qt/store_view.h"
#include "ui/memory_captions.h"

class QLabel;
class QProgressBar;

namespace quvolo::qt {

class StatusBarView : public StoreView {
    Q_OBJECT
  public:
    using Parts = std::array<QLabel*, ui::MemoryStatusBar::kParts>;
    StatusBarView(ui::MemoryStatusBar& store, Parts parts, QObject* parent);

  protected:
    void redraw() override;

  private:
    ui::MemoryStatusBar& store_;
    Parts parts_;
};

class ProgressBarView : public StoreView {
    Q_OBJECT
  public:
    ProgressBarView(ui::MemoryProgressBar& store, QProgressBar& widget);

  protected:
    void redraw() override;

  private:
    ui::MemoryProgressBar& store_;
    QProgressBar& widget_;
};

}  // namespace quvolo::qt
