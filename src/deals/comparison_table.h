#pragma once

#include <functional>

#include "deals/deal_controls.h"
#include "text/date_time.h"
#include "ui/desktop.h"
#include "ui/report_list.h"

namespace quvolo {

// Each action asks first; only Yes goes on.

// Adds the figures now shown, with the first deal's game/area/server and goods type, as a new
// top row of the comparison table, numbered one past the rows it had.
void add_comparison_row(ui::ReportList& 统计列表, const ui::ReportList& 成交信息,
                        const DealFigureLabels& figures, ui::Desktop& desktop,
                        const std::function<DateTime()>& now);

// Deletes the selected row; nothing when no row is selected. The others keep their numbers.
void delete_selected_comparison_row(ui::ReportList& 统计列表, ui::Desktop& desktop);

void clear_comparison_table(ui::ReportList& 统计列表, ui::Desktop& desktop);

}  // namespace quvolo
