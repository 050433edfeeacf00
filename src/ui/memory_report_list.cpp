#include "ui/memory_report_list.h"

#include <algorithm>
#include <iterator>

namespace quvolo::ui {

MemoryReportList::MemoryReportList(std::vector<ReportColumn> columns)
    : columns_(std::move(columns)) {}

int MemoryReportList::insert_row(int position, std::string_view first_cell) {
    int at = 0;
    {
        std::lock_guard lock(mutex_);
        const int count = static_cast<int>(rows_.size());
        at = (position < 0 || position >= count) ? count : position;
        ReportRow row;
        row.cells.resize(std::max<std::size_t>(columns_.size(), 1));
        row.cells[0] = first_cell;
        rows_.insert(rows_.begin() + at, std::move(row));
        if (selected_ >= at) {
            ++selected_;
        }
    }
    notify_change();
    return at;
}

bool MemoryReportList::has_cell(int row, int column) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) && column >= 0 &&
           column < static_cast<int>(rows_[row].cells.size());
}

void MemoryReportList::set_cell(int row, int column, std::string_view text) {
    {
        std::lock_guard lock(mutex_);
        if (!has_cell(row, column)) {
            return;
        }
        rows_[row].cells[column] = text;
    }
    notify_change();
}

std::string MemoryReportList::cell(int row, int column) const {
    std::lock_guard lock(mutex_);
    return has_cell(row, column) ? rows_[row].cells[column] : std::string();
}

void MemoryReportList::delete_row(int row) {
    {
        std::lock_guard lock(mutex_);
        if (row < 0 || row >= static_cast<int>(rows_.size())) {
            return;
        }
        rows_.erase(rows_.begin() + row);
        if (selected_ == row) {
            selected_ = -1;
        } else if (selected_ > row) {
            --selected_;
        }
    }
    notify_change();
}

void MemoryReportList::clear() {
    {
        std::lock_guard lock(mutex_);
        rows_.clear();
        selected_ = -1;
    }
    notify_change();
}

int MemoryReportList::row_count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(rows_.size());
}

int MemoryReportList::column_count() const {
    return static_cast<int>(columns_.size());
}

std::string MemoryReportList::column_title(int column) const {
    if (column < 0 || column >= static_cast<int>(columns_.size())) {
        return {};
    }
    return columns_[column].title;
}

int MemoryReportList::selected_row() const {
    std::lock_guard lock(mutex_);
    return selected_;
}

void MemoryReportList::select_row(int row) {
    {
        std::lock_guard lock(mutex_);
        selected_ = (row >= 0 && row < static_cast<int>(rows_.size())) ? row : -1;
    }
    notify_change();
}

void MemoryReportList::set_cell_style(int row, int column, CellStyle style) {
    {
        std::lock_guard lock(mutex_);
        if (!has_cell(row, column)) {
            return;
        }
        auto& styles = rows_[row].styles;
        styles.resize(rows_[row].cells.size());
        styles[column] = style;
    }
    notify_change();
}

CellStyle MemoryReportList::cell_style(int row, int column) const {
    std::lock_guard lock(mutex_);
    if (!has_cell(row, column)) {
        return {};
    }
    const CellStyle* style = rows_[row].style(column);
    return style ? *style : CellStyle{};
}

void MemoryReportList::clear_styles() {
    {
        std::lock_guard lock(mutex_);
        for (auto& row : rows_) {
            row.styles.clear();
        }
    }
    notify_change();
}

std::vector<ReportRow> MemoryReportList::rows() const {
    std::lock_guard lock(mutex_);
    return {rows_.begin(), rows_.end()};
}

void MemoryReportList::replace_rows(std::vector<ReportRow> rows) {
    const std::size_t width = std::max<std::size_t>(columns_.size(), 1);
    for (auto& row : rows) {
        row.cells.resize(width);
        if (!row.styles.empty()) {
            row.styles.resize(width);
        }
    }
    {
        std::lock_guard lock(mutex_);
        rows_.assign(std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
        selected_ = -1;
    }
    notify_change();
}

}  // namespace quvolo::ui
