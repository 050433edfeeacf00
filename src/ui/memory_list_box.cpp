#include "ui/memory_list_box.h"

namespace quvolo::ui {

MemoryListBox::MemoryListBox(std::vector<std::string> items) : items_(std::move(items)) {}

void MemoryListBox::append(std::string_view text) {
    {
        std::lock_guard lock(mutex_);
        items_.emplace_back(text);
    }
    notify_change();
}

void MemoryListBox::clear() {
    {
        std::lock_guard lock(mutex_);
        items_.clear();
        selected_ = -1;
    }
    notify_change();
}

int MemoryListBox::count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(items_.size());
}

std::string MemoryListBox::item(int index) const {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        return {};
    }
    return items_[index];
}

int MemoryListBox::selected() const {
    std::lock_guard lock(mutex_);
    return selected_;
}

void MemoryListBox::select(int index) {
    {
        std::lock_guard lock(mutex_);
        selected_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
    }
    notify_change();
}

void MemoryListBox::replace_items(std::vector<std::string> items) {
    {
        std::lock_guard lock(mutex_);
        items_ = std::move(items);
        selected_ = -1;
    }
    notify_change();
}

std::vector<std::string> MemoryListBox::items() const {
    std::lock_guard lock(mutex_);
    return items_;
}

}  // namespace quvolo::ui
