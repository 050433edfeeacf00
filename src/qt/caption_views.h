#pragma once

#include "qt/store_view.h"
#include "ui/memory_captions.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace quvolo::qt {

// Captions are plain text: they often come from pages and must never be read as markup.
class LabelView : public StoreView {
    Q_OBJECT
  public:
    LabelView(ui::MemoryLabel& store, QLabel& widget);

  protected:
    void redraw() override;

  private:
    ui::MemoryLabel& store_;
    QLabel& widget_;
};

class ButtonView : public StoreView {
    Q_OBJECT
  public:
    ButtonView(ui::MemoryButton& store, QPushButton& widget);

  protected:
    void redraw() override;

  private:
    ui::MemoryButton& store_;
    QPushButton& widget_;
};

// A group box that floats over its parent, centred, while the store shows it.
class FloatingGroupBoxView : public StoreView {
    Q_OBJECT
  public:
    FloatingGroupBoxView(ui::MemoryGroupBox& store, QGroupBox& widget);

  protected:
    void redraw() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void centre();

    ui::MemoryGroupBox& store_;
    QGroupBox& widget_;
};

}  // namespace quvolo::qt
