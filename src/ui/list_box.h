#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quvolo::ui {

// A list of text items; positions count from 0, -1 means "no selection".
class ListBox {
  public:
    virtual ~ListBox() = default;
    virtual void append(std::string_view text) = 0;
    virtual void clear() = 0;
    virtual int count() const = 0;
    // Empty text for -1 or any position outside the list.
    virtual std::string item(int index) const = 0;
    virtual int selected() const = 0;
    virtual void select(int index) = 0;
    // The whole list at once, so that a long list is not moved an item at a time.
    virtual std::vector<std::string> items() const = 0;
    virtual void replace_items(std::vector<std::string> items) = 0;
};

// A drop-down list offers the same operations; its items are fixed at creation.
using DropDownList = ListBox;

}  // namespace quvolo::ui
