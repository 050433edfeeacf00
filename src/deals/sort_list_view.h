#pragma once

#include "deals/sort_keys.h"
#include "ui/report_list.h"

namespace quvolo {

// Reorders the rows of list by the texts of one column. Each key is placed into the keys
// sorted so far by bisection: a key equal to the last goes after it, one equal to the first
// (and below the last) before it, one found equal to a middle key right after that key. The
// logical type puts every row that is not "假" first, latest first, then the "假" rows in their
// order. Descending is the exact reverse of ascending. Only cell texts move; the selection
// stays at its position.
void sort_list_view(ui::ReportList& list, int column, SortType type, bool case_sensitive = true,
                    bool ascending = true);

}  // namespace quvolo
