#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "ui/change_listener.h"
#include "ui/list_box.h"

namespace quvolo::ui {

// The list as data only: tests, the command line, and the store behind a shown list.
class MemoryListBox : public ListBox, public ChangeNotifier {
  public:
    MemoryListBox() = default;
    explicit MemoryListBox(std::vector<std::string> items);

    void append(std::string_view text) override;
    void clear() override;
    int count() const override;
    std::string item(int index) const override;
    int selected() const override;
    void select(int index) override;
    void replace_items(std::vector<std::string> items) override;

    std::vector<std::string> items() const override;

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> items_;
    int selected_ = -1;
};

}  // namespace quvolo::ui
