#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "deals/deal_controls.h"
#include "text/date_time.h"
#include "ui/desktop.h"

namespace quvolo {

// The calendar day of a deal-time cell (year, month and day; the time fields stay 0). The
// crawl's cut swallows the year's leading "20", so a two-digit year is taken as 20xx; a
// four-digit one as it stands. Nothing when the cell does not start with a date.
std::optional<DateTime> deal_day(std::string_view time_cell);

// Narrows the deal list to the deals of one calendar day of the last complete crawl and shows
// their figures; with none, warns and leaves the figures as they are.
void filter_deals_by_date(const DayFilterControls& controls, const DateTime& day,
                          ui::Desktop& desktop, const std::function<DateTime()>& now);

}  // namespace quvolo
