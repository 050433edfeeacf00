#pragma once

#include <optional>
#include <span>

#include "deals/sort_keys.h"
#include "ui/captions.h"
#include "ui/report_list.h"

namespace quvolo {

// The sort type of each column of a list; a column without one is never sorted.
using ColumnSortTypes = std::span<const std::optional<SortType>>;

// A click on a column title of a list with a direction label: "降" sorts ascending and shows
// "升", "升" sorts descending and shows "降". A column that is not sorted still flips the label.
void sort_by_header_toggle(ui::ReportList& list, ui::Label& direction, int column,
                           ColumnSortTypes types);

// The deal list: 序号, 价格 and 单价 as numbers, the other texts as text, the address unsorted.
void sort_deal_list_by_header(ui::ReportList& 成交信息, ui::Label& 透明标签_排序, int column);

// The comparison table sorts ascending on every click, without regard to letter case: 序号 and
// the figures as numbers, the names as text, the time of the row as a date-time.
void sort_comparison_table_by_header(ui::ReportList& 统计列表, int column);

}  // namespace quvolo
