#include <gtest/gtest.h>

#include "ui/memory_report_list.h"

namespace quvolo::ui {
namespace {

MemoryReportList two_column_list() {
    return MemoryReportList({{"a", 40}, {"b", 40}});
}

std::vector<std::string> first_column(const MemoryReportList& list) {
    std::vector<std::string> cells;
    for (const auto& row : list.rows()) {
        cells.push_back(row.cells[0]);
    }
    return cells;
}

TEST(MemoryReportList, InsertPositionsFollowTheToolkitRules) {
    struct Case {
        int position;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0, {"new", "x", "y"}},  {1, {"x", "new", "y"}},  {2, {"x", "y", "new"}},
        {99, {"x", "y", "new"}}, {-1, {"x", "y", "new"}},
    };
    for (const auto& c : cases) {
        auto list = two_column_list();
        list.insert_row(-1, "x");
        list.insert_row(-1, "y");
        list.insert_row(c.position, "new");
        EXPECT_EQ(first_column(list), c.expected) << "position " << c.position;
    }
}

TEST(MemoryReportList, AbsentCellsReadEmptyAndIgnoreWrites) {
    auto list = two_column_list();
    list.insert_row(0, "x");
    list.set_cell(0, 5, "lost");
    list.set_cell(3, 0, "lost");
    EXPECT_EQ(list.cell(0, 5), "");
    EXPECT_EQ(list.cell(-1, 0), "");
    EXPECT_EQ(list.row_count(), 1);
}

TEST(MemoryReportList, SelectionFollowsItsRowThroughInsertsAndDeletes) {
    auto list = two_column_list();
    for (const char* text : {"a", "b", "c"}) {
        list.insert_row(-1, text);
    }
    list.select_row(1);
    list.insert_row(0, "top");
    EXPECT_EQ(list.cell(list.selected_row(), 0), "b");
    list.delete_row(0);
    EXPECT_EQ(list.cell(list.selected_row(), 0), "b");
    list.delete_row(list.selected_row());
    EXPECT_EQ(list.selected_row(), -1);
}

TEST(MemoryReportList, ReplacedRowsArePaddedToTheColumnCount) {
    auto list = two_column_list();
    list.replace_rows({{"only"}});
    EXPECT_EQ(list.rows().front().cells.size(), 2u);
    EXPECT_EQ(list.cell(0, 1), "");
}

TEST(MemoryReportList, CellStylesStayWithTheirRow) {
    auto list = two_column_list();
    list.insert_row(-1, "plain");
    list.insert_row(-1, "marked");
    const CellStyle alarm{.text = 0xFF0000, .background = 0xFFFF00};
    list.set_cell_style(1, 1, alarm);
    list.set_cell_style(7, 0, alarm);

    list.insert_row(0, "top");
    EXPECT_EQ(list.cell_style(2, 1), alarm);
    EXPECT_EQ(list.cell_style(2, 0), CellStyle{});
    EXPECT_EQ(list.cell_style(1, 1), CellStyle{});

    std::vector<ReportRow> rows = list.rows();
    std::swap(rows[0], rows[2]);
    list.replace_rows(std::move(rows));
    EXPECT_EQ(list.cell(0, 0), "marked");
    EXPECT_EQ(list.cell_style(0, 1), alarm);

    list.clear_styles();
    EXPECT_EQ(list.cell_style(0, 1), CellStyle{});
    EXPECT_TRUE(list.rows().front().styles.empty());
}

}  // namespace
}  // namespace quvolo::ui
