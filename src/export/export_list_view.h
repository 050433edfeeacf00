#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/captions.h"
#include "ui/report_list.h"

namespace quvolo {

// Writes the list to file_path as an Excel 97-2003 workbook of one sheet: a title row with
// the titles of the chosen columns, then one row of text cells per list row, in list order.
// Texts are GBK and stored as UTF-16.
//   columns, use_columns: the column indexes in the order they appear; without use_columns
//     every column of the list, first to last.
//   sheet_name, use_sheet_name: GBK, made valid for Excel; without use_sheet_name "Sheet1".
//   progress_bar, use_progress_bar: its maximum becomes the row count and its position the
//     rows done; without use_progress_bar it is left alone (and may be null).
// Returns true when the workbook was written. A file already at file_path is replaced only
// once the new one is complete. On false, failure_reason (when given) says why in GBK.
bool export_list_view(const ui::ReportList& list, std::span<const int> columns, bool use_columns,
                      const std::string& file_path, std::string_view sheet_name,
                      bool use_sheet_name, ui::ProgressBar* progress_bar, bool use_progress_bar,
                      std::string* failure_reason = nullptr);

}  // namespace quvolo
