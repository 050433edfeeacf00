#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quvolo::ui {

// 0xRRGGBB.
using Colour = std::uint32_t;

// A cell's own colours; an absent one is the list's own.
struct CellStyle {
    std::optional<Colour> text;
    std::optional<Colour> background;

    bool operator==(const CellStyle&) const = default;
};

// One row's cells and their styles; the styles travel with the row through sorting, copying
// and filtering.
struct ReportRow {
    std::vector<std::string> cells;
    // Empty when no cell has a style of its own; else one entry per cell.
    std::vector<CellStyle> styles;

    ReportRow() = default;
    ReportRow(std::initializer_list<std::string> texts) : cells(texts) {}
    explicit ReportRow(std::vector<std::string> texts) : cells(std::move(texts)) {}

    const CellStyle* style(std::size_t column) const {
        return column < styles.size() ? &styles[column] : nullptr;
    }
    bool operator==(const ReportRow&) const = default;
};

struct ReportColumn {
    std::string title;
    int width = 80;
};

// A multi-column list whose cells are all text; rows and columns count from 0.
class ReportList {
  public:
    virtual ~ReportList() = default;
    // Inserts before the row now at `position`; a negative position or one at or past the end
    // appends. Returns the new row's index.
    virtual int insert_row(int position, std::string_view first_cell) = 0;
    virtual void set_cell(int row, int column, std::string_view text) = 0;
    // An absent cell reads as empty text.
    virtual std::string cell(int row, int column) const = 0;
    virtual void delete_row(int row) = 0;
    virtual void clear() = 0;
    virtual int row_count() const = 0;
    virtual int column_count() const = 0;
    virtual std::string column_title(int column) const = 0;
    virtual int selected_row() const = 0;
    virtual void select_row(int row) = 0;

    // A cell's colours; writing to a cell that does not exist does nothing.
    virtual void set_cell_style(int row, int column, CellStyle style) = 0;
    virtual CellStyle cell_style(int row, int column) const = 0;
    // Every cell back to the list's own colours.
    virtual void clear_styles() = 0;

    // Whole-list reads and writes, so that large lists are not moved a cell at a time.
    virtual std::vector<ReportRow> rows() const = 0;
    virtual void replace_rows(std::vector<ReportRow> rows) = 0;
};

}  // namespace quvolo::ui
