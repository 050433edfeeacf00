#pragma once

#include <deque>
#include <mutex>
#include <vector>

#include "ui/change_listener.h"
#include "ui/report_list.h"

namespace quvolo::ui {

class MemoryReportList : public ReportList, public ChangeNotifier {
  public:
    explicit MemoryReportList(std::vector<ReportColumn> columns);

    int insert_row(int position, std::string_view first_cell) override;
    void set_cell(int row, int column, std::string_view text) override;
    std::string cell(int row, int column) const override;
    void delete_row(int row) override;
    void clear() override;
    int row_count() const override;
    int column_count() const override;
    std::string column_title(int column) const override;
    int selected_row() const override;
    void select_row(int row) override;
    void set_cell_style(int row, int column, CellStyle style) override;
    CellStyle cell_style(int row, int column) const override;
    void clear_styles() override;
    std::vector<ReportRow> rows() const override;
    void replace_rows(std::vector<ReportRow> rows) override;

    const std::vector<ReportColumn>& columns() const { return columns_; }

  private:
    bool has_cell(int row, int column) const;

    const std::vector<ReportColumn> columns_;
    mutable std::mutex mutex_;
    // Results arrive at the top: a deque takes them there without moving the rows below.
    std::deque<ReportRow> rows_;
    int selected_ = -1;
};

}  // namespace quvolo::ui
