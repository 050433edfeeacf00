#include "ui/memory_captions.h"

namespace quvolo::ui {

bool MemoryButton::enabled() const {
    return read_field(mutex_, enabled_);
}

void MemoryButton::set_enabled(bool enabled) {
    write_field(mutex_, enabled_, enabled);
}

void MemoryButton::set_default(bool is_default) {
    write_field(mutex_, default_, is_default);
}

bool MemoryButton::is_default() const {
    return read_field(mutex_, default_);
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
    return read_field(mutex_, text_);
}

void MemoryEditBox::set_text(std::string_view text) {
    write_field(mutex_, text_, text);
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
    write_field(mutex_, maximum_, maximum);
}

void MemoryProgressBar::set_position(int position) {
    write_field(mutex_, position_, position);
}

int MemoryProgressBar::maximum() const {
    return read_field(mutex_, maximum_);
}

int MemoryProgressBar::position() const {
    return read_field(mutex_, position_);
}

void MemoryPictureBox::show_image(std::string bytes) {
    write_field(mutex_, bytes_, std::move(bytes));
}

std::string MemoryPictureBox::image() const {
    return read_field(mutex_, bytes_);
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
    return read_field(mutex_, address_);
}

int MemoryBrowserView::loads() const {
    return read_field(mutex_, loads_);
}

DateTime MemoryDateBox::date() const {
    return read_field(mutex_, day_);
}

void MemoryDateBox::set_date(const DateTime& day) {
    write_field(mutex_, day_, DateTime{day.year, day.month, day.day});
}

void MemoryTimer::set_period(int milliseconds) {
    write_field(mutex_, period_, milliseconds);
}

int MemoryTimer::period() const {
    return read_field(mutex_, period_);
}

}  // namespace quvolo::ui
