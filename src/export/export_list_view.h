#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/captions.h"
#include "ui/report_list.h"

namespace quvolo {

struct ExportOptions {
    // The column indexes in the order they appear; absent: every column, first to last.
    std::optional<std::span<const int>> columns;
    // GBK, made valid for Excel; absent: "Sheet1".
    std::optional<std::string_view> sheet_name;
    // Its maximum becomes the row count and its position the rows done; null: none.
    ui::ProgressBar* progress_bar = nullptr;
};

// Writes the list to file_path as an Excel 97-2003 workbook of one sheet: a title row with
// the titles of the chosen columns, then one row of text cells per list row, in list order.
// Texts are GBK and stored as UTF-16.
// Returns true when the workbook was written. A file already at file_path is replaced only
// once the new one is complete. On false, failure_reason (when given) says why in GBK.
bool export_list_view(const ui::ReportList& list, const std::string& file_path,
                      const ExportOptions& options, std::string* failure_reason = nullptr);

}  // namespace quvolo
