#include "cli/deal_report.h"

#include <algorithm>
#include <string>
#include <vector>

#include "cli/json_text.h"
#include "deals/deal_controls.h"
#include "text/codepage.h"

namespace quvolo::cli {
namespace {

// A GBK double-byte character takes two columns on a terminal, as it takes two bytes.
std::string padded(const std::string& gbk, std::size_t width) {
    return gbk_to_utf8(gbk) + std::string(width > gbk.size() ? width - gbk.size() : 0, ' ');
}

}  // namespace

void print_deal_json(std::ostream& out, const MainWindowControls& controls) {
    const DealTabControls& tab = controls.deal;
    const ui::ReportList& deals = tab.成交信息;
    out << "{\"target\": " << json_string(tab.查询目标.caption()) << ",\n \"columns\": [";
    for (int column = 0; column < deals.column_count(); ++column) {
        out << (column ? ", " : "") << json_string(deals.column_title(column));
    }
    out << "],\n \"rows\": [";
    const auto rows = deals.rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        out << (row ? ",\n  [" : "\n  [");
        const std::vector<std::string>& cells = rows[row].cells;
        for (std::size_t column = 0; column < cells.size(); ++column) {
            out << (column ? ", " : "") << json_string(cells[column]);
        }
        out << "]";
    }
    out << (rows.empty() ? "],\n" : "\n ],\n") << " \"figures\": {";
    bool first = true;
    for_each_deal_figure(
        tab, tab, [&](const DealFigureNames& names, const ui::Label& label, const ui::Label&) {
            out << (first ? "" : ", ") << "\"" << names.label
                << "\": " << json_string(label.caption());
            first = false;
        });
    out << "},\n \"status\": [";
    for (int part = 0; part < ui::MemoryStatusBar::kParts; ++part) {
        out << (part ? ", " : "") << json_string(controls.状态条1.part(part));
    }
    out << "]}\n";
}

void print_deal_table(std::ostream& out, const MainWindowControls& controls) {
    const DealTabControls& tab = controls.deal;
    const ui::ReportList& deals = tab.成交信息;
    const auto rows = deals.rows();
    std::vector<std::size_t> widths;
    for (int column = 0; column < deals.column_count(); ++column) {
        widths.push_back(deals.column_title(column).size());
    }
    for (const auto& row : rows) {
        for (std::size_t column = 0; column < row.cells.size() && column < widths.size();
             ++column) {
            widths[column] = std::max(widths[column], row.cells[column].size());
        }
    }
    const auto print_row = [&](const std::vector<std::string>& cells) {
        for (std::size_t column = 0; column < cells.size() && column < widths.size(); ++column) {
            out << (column ? "  " : "")
                << (column + 1 == widths.size() ? gbk_to_utf8(cells[column])
                                                : padded(cells[column], widths[column]));
        }
        out << "\n";
    };
    out << "查询目标: " << gbk_to_utf8(tab.查询目标.caption()) << "\n\n";
    std::vector<std::string> titles;
    for (int column = 0; column < deals.column_count(); ++column) {
        titles.push_back(deals.column_title(column));
    }
    print_row(titles);
    for (const auto& row : rows) {
        print_row(row.cells);
    }
    out << "\n";
    for_each_deal_figure(
        tab, tab, [&](const DealFigureNames& names, const ui::Label& label, const ui::Label&) {
            out << padded(utf8_to_gbk(names.caption), 10) << gbk_to_utf8(label.caption()) << "\n";
        });
    out << "\n";
    for (int part = 0; part < ui::MemoryStatusBar::kParts; ++part) {
        out << gbk_to_utf8(controls.状态条1.part(part)) << "\n";
    }
}

}  // namespace quvolo::cli
