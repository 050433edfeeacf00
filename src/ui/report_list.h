#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quvolo::ui {

using ReportRow = std::vector<std::string>;

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

    // Whole-list reads and writes, so that large lists are not moved a cell at a time.
    virtual std::vector<ReportRow> rows() const = 0;
    virtual void replace_rows(std::vector<ReportRow> rows) = 0;
};

}  // namespace quvolo::ui
