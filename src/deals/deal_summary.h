#pragma once

#include <string>
#include <string_view>

#include "deals/deal_controls.h"
#include "deals/deal_crawl_state.h"
#include "ui/desktop.h"

namespace quvolo {

// The rows of a single-column list added from the first row on, the sum written as text after
// every addition (so rounded to 13 significant digits each time); empty text for no rows.
std::string running_sum(const ui::ReportList& values);

// Writes the seven figures from the count text and the two value lists, sorts both lists
// ascending, shows "查询完毕！" and the target with the count and sum in status part 0. With no
// unit values the average shows empty text, like the lowest and highest.
void summarize_deals(std::string_view count_text, ui::ReportList& prices, ui::ReportList& units,
                     const DealSummaryControls& controls);

// Appends every row of source to the end of destination, all of source's columns.
void copy_list_rows(const ui::ReportList& source, ui::ReportList& destination);

// Keeps the deal list and its figures for the day filter and the restore.
void save_deal_snapshot(const DealSnapshotControls& controls);

// Brings back the last complete crawl's rows and figures; refused until a crawl has finished.
void restore_deal_query(const DealSnapshotControls& controls, const DealCrawlState& state,
                        ui::Desktop& desktop);

}  // namespace quvolo
