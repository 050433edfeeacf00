#pragma once

#include <string>
#include <vector>

#include "qt/store_view.h"
#include "ui/memory_list_box.h"

class QComboBox;
class QListWidget;

namespace quvolo::qt {

// A list box: the store's items and selection; the user's choice goes back to the store.
class ListBoxView : public StoreView {
    Q_OBJECT
  public:
    ListBoxView(ui::MemoryListBox& store, QListWidget& widget);

  signals:
    // The user chose an item; the store already holds the new selection.
    void chosen(int index);

  protected:
    void redraw() override;

  private:
    ui::MemoryListBox& store_;
    QListWidget& widget_;
    std::vector<std::string> shown_;
    bool redrawing_ = false;
};

// A drop-down list: the same store behind a combo box.
class DropDownView : public StoreView {
    Q_OBJECT
  public:
    DropDownView(ui::MemoryListBox& store, QComboBox& widget);

  signals:
    void chosen(int index);

  protected:
    void redraw() override;

  private:
    ui::MemoryListBox& store_;
    QComboBox& widget_;
    std::vector<std::string> shown_;
};

}  // namespace quvolo::qt
