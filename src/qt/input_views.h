#pragma once

#include "qt/store_view.h"
#include "ui/memory_captions.h"

class QDateEdit;
class QLineEdit;

namespace quvolo::qt {

// What the user types goes to the store at once, so the logic always reads the current text.
class EditBoxView : public StoreView {
    Q_OBJECT
  public:
    EditBoxView(ui::MemoryEditBox& store, QLineEdit& widget);

  protected:
    void redraw() override;

  private:
    ui::MemoryEditBox& store_;
    QLineEdit& widget_;
};

class DateBoxView : public StoreView {
    Q_OBJECT
  public:
    DateBoxView(ui::MemoryDateBox& store, QDateEdit& widget);

  signals:
    // The user picked another day; the store already holds it.
    void date_changed();

  protected:
    void redraw() override;

  private:
    ui::MemoryDateBox& store_;
    QDateEdit& widget_;
};

}  // namespace quvolo::qt
