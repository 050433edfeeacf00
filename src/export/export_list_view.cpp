#include "export/export_list_view.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <vector>

#include "export/biff8_workbook.h"
#include "export/compound_file.h"
#include "export/sheet_name.h"
#include "files/replace_file.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

constexpr int kMaxDataRows = kBiff8MaxRows - 1;  // one row holds the titles

std::u16string utf16_of_gbk(std::string_view gbk) {
    const std::string bytes = to_utf16(gbk, kCodePageGbk);
    const std::size_t units = bytes.size() / 2;
    std::u16string text(units > 0 ? units - 1 : 0, u'\0');  // without the terminating zero
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return text;
}

// Fills the book's cells, converting each distinct GBK text once. The texts must outlive it.
class CellWriter {
  public:
    explicit CellWriter(TextWorkbook& book) : book_(book) {}

    // The reason the text cannot be stored, or nothing once it is.
    std::optional<std::string> add(std::string_view gbk) {
        const auto [found, is_new] =
            index_of_.try_emplace(gbk, static_cast<std::uint32_t>(book_.strings.size()));
        if (is_new) {
            std::u16string text = utf16_of_gbk(gbk);
            if (text.size() > kBiff8MaxCellCharacters) {
                return too_long(text.size());
            }
            book_.strings.push_back(std::move(text));
        }
        book_.cells.push_back(found->second);
        return std::nullopt;
    }

  private:
    std::string too_long(std::size_t characters) const {
        const std::size_t cell = book_.cells.size();
        const auto columns = static_cast<std::size_t>(book_.column_count);
        return GBK("工作表第") + std::to_string(cell / columns + 1) + GBK("行第") +
               std::to_string(cell % columns + 1) + GBK("列的文字有") + std::to_string(characters) +
               GBK("个字符，超过了Excel单元格最多能容纳的") +
               std::to_string(kBiff8MaxCellCharacters) + GBK("个字符");
    }

    TextWorkbook& book_;
    std::unordered_map<std::string_view, std::uint32_t> index_of_;
};

std::optional<std::string> refusal_of_columns(const std::vector<int>& columns, int list_columns) {
    if (columns.empty()) {
        return GBK("没有要导出的列");
    }
    if (columns.size() > static_cast<std::size_t>(kBiff8MaxColumns)) {
        return GBK("要导出") + std::to_string(columns.size()) +
               GBK("列，超过了Excel 97-2003工作表最多能容纳的") + std::to_string(kBiff8MaxColumns) +
               GBK("列");
    }
    for (int column : columns) {
        if (column < 0 || column >= list_columns) {
            return GBK("列表没有第") + std::to_string(column) + GBK("列（列号从0数起）");
        }
    }
    return std::nullopt;
}

std::optional<std::string> refusal_of_rows(std::size_t rows) {
    if (rows > static_cast<std::size_t>(kMaxDataRows)) {
        return GBK("列表有") + std::to_string(rows) +
               GBK("行，超过了Excel 97-2003工作表在标题行之外最多能容纳的") +
               std::to_string(kMaxDataRows) + GBK("行");
    }
    return std::nullopt;
}

std::vector<int> columns_to_export(const ui::ReportList& list,
                                   std::optional<std::span<const int>> columns) {
    if (columns) {
        return {columns->begin(), columns->end()};
    }
    std::vector<int> every(static_cast<std::size_t>(std::max(list.column_count(), 0)));
    std::iota(every.begin(), every.end(), 0);
    return every;
}

// The title row, then the rows; the reason a text cannot be stored, or nothing.
std::optional<std::string> fill_cells(TextWorkbook& book, const std::vector<std::string>& titles,
                                      const std::vector<ui::ReportRow>& rows,
                                      const std::vector<int>& columns,
                                      ui::ProgressBar* progress_bar) {
    book.column_count = static_cast<int>(columns.size());
    book.cells.reserve((rows.size() + 1) * columns.size());
    CellWriter cells(book);
    for (const std::string& title : titles) {
        if (auto refusal = cells.add(title)) {
            return refusal;
        }
    }
    if (progress_bar != nullptr) {
        progress_bar->set_maximum(static_cast<int>(rows.size()));
    }
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const ui::ReportRow& row = rows[j];
        for (int column : columns) {
            const auto at = static_cast<std::size_t>(column);
            if (auto refusal =
                    cells.add(at < row.cells.size() ? std::string_view(row.cells[at]) : "")) {
                return refusal;
            }
        }
        if (progress_bar != nullptr) {
            progress_bar->set_position(static_cast<int>(j + 1));
        }
    }
    return std::nullopt;
}

std::optional<std::string> write_book(TextWorkbook book, const std::string& file_path) {
    std::string file;
    {
        const std::string stream = biff8_workbook_stream(book);
        if (stream.size() > kCompoundFileMaxStreamSize) {
            return GBK("工作簿超过了Excel 97-2003文件最多能容纳的2GB");
        }
        book = {};
        file = compound_file_with_stream(u"Workbook", stream);
    }
    std::string reason;
    if (!write_file_replacing(file_path, file, reason)) {
        return reason;
    }
    return std::nullopt;
}

// Every step that can refuse; the reason, or nothing once the file is written.
std::optional<std::string> write_list(const ui::ReportList& list, const std::string& file_path,
                                      const ExportOptions& options) {
    const std::vector<int> chosen = columns_to_export(list, options.columns);
    if (auto refusal = refusal_of_columns(chosen, list.column_count())) {
        return refusal;
    }
    const std::vector<ui::ReportRow> rows = list.rows();
    if (auto refusal = refusal_of_rows(rows.size())) {
        return refusal;
    }
    std::vector<std::string> titles;
    for (int column : chosen) {
        titles.push_back(list.column_title(column));
    }
    TextWorkbook book;
    book.sheet_name =
        valid_sheet_name(options.sheet_name ? utf16_of_gbk(*options.sheet_name) : u"Sheet1");
    if (auto refusal = fill_cells(book, titles, rows, chosen, options.progress_bar)) {
        return refusal;
    }
    return write_book(std::move(book), file_path);
}

}  // namespace

bool export_list_view(const ui::ReportList& list, const std::string& file_path,
                      const ExportOptions& options, std::string* failure_reason) {
    const std::optional<std::string> refusal = write_list(list, file_path, options);
    if (refusal && failure_reason != nullptr) {
        *failure_reason = *refusal;
    }
    return !refusal;
}

}  // namespace quvolo
