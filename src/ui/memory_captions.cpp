#include "ui/memory_captions.h"

namespace quvolo::ui {

bool MemoryButton::enabled() const {
    std::lock_guard lock(mutex_);
    return enabled_;
}

void MemoryButton::set_enabled(bool enabled) {
    {
        std::lock_guard lock(mutex_);
        enabled_ = enabled;
    }
    notify_change();
}

void MemoryButton::set_default(bool is_default) {
    {
        std::lock_guard lock(mutex_);
        default_ = is_default;
    }
    notify_change();
}

bool MemoryButton::is_default() const {
    std::lock_guard lock(mutex_);
    return default_;
}

void MemoryGroupBox::move_to(int left, int top) {
    {
        std::lock_guard lock(mutex_);
        left_ = left;
        top_ = top;
    }
    notify_change();
}

std::pair<int, int> MemoryGroupBox::position() const {
    std::lock_guard lock(mutex_);
    return {left_, top_};
}

std::string MemoryEditBox::text() const {
    std::lock_guard lock(mutex_);
    return text_;
}

void MemoryEditBox::set_text(std::string_view text) {
    {
        std::lock_guard lock(mutex_);
        text_ = text;
    }
    notify_change();
}

std::string MemoryStatusBar::part(int index) const {
    std::lock_guard lock(mutex_);
    return (index >= 0 && index < kParts) ? parts_[index] : std::string();
}

void MemoryStatusBar::set_part(int index, std::string_view text) {
    {
        std::lock_guard lock(mutex_);
        if (index >= 0 && index < kParts) {
            parts_[index] = text;
        }
    }
    notify_change();
}

void MemoryProgressBar::set_maximum(int maximum) {
    {
        std::lock_guard lock(mutex_);
        maximum_ = maximum;
    }
    notify_change();
}

void MemoryProgressBar::set_position(int position) {
    {
        std::lock_guard lock(mutex_);
        position_ = position;
    }
    notify_change();
}

int MemoryProgressBar::maximum() const {
    std::lock_guard lock(mutex_);
    return maximum_;
}

int MemoryProgressBar::position() const {
    std::lock_guard lock(mutex_);
    return position_;
}

void MemoryPictureBox::show_image(std::string bytes) {
    {
        std::lock_guard lock(mutex_);
        bytes_ = std::move(bytes);
    }
    notify_change();
}

std::string MemoryPictureBox::image() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

void MemoryBrowserView::set_address(std::string_view url) {
    {
        std::lock_guard lock(mutex_);
        address_ = url;
        ++loads_;
    }
    notify_change();
}

std::string MemoryBrowserView::address() const {
    std::lock_guard lock(mutex_);
    return address_;
}

int MemoryBrowserView::loads() const {
    std::lock_guard lock(mutex_);
    return loads_;
}

DateTime MemoryDateBox::date() const {
    std::lock_guard lock(mutex_);
    return day_;
}

void MemoryDateBox::set_date(const DateTime& day) {
    {
        std::lock_guard lock(mutex_);
        day_ = {day.year, day.month, day.day};
    }
    notify_change();
}

void MemoryTimer::set_period(int milliseconds) {
    {
        std::lock_guard lock(mutex_);
        period_ = milliseconds;
    }
    notify_change();
}

int MemoryTimer::period() const {
    std::lock_guard lock(mutex_);
    return period_;
}

}  // namespace quvolo::ui
