#include "deals/comparison_table.h"

#include <string>

#include "text/gbk_literal.h"
#include "text/gbk_search.h"

namespace quvolo {
namespace {

bool confirmed(ui::Desktop& desktop, const std::string& question) {
    return desktop.message_box({question, GBK("Tovana数据查询分析 提醒您！"),
                                ui::MessageButtons::yes_no, ui::MessageIcon::question}) ==
           ui::MessageAnswer::yes;
}

// The text before the first occurrence of unit; empty when there is none.
std::string before(const std::string& text, const std::string& unit) {
    const int at = find_text(text, unit);
    return at < 1 ? std::string() : text.substr(0, static_cast<std::size_t>(at - 1));
}

}  // namespace

void add_comparison_row(ui::ReportList& 统计列表, const ui::ReportList& 成交信息,
                        const DealFigureLabels& figures, ui::Desktop& desktop,
                        const std::function<DateTime()>& now) {
    if (!confirmed(desktop, GBK("你确定要将当前信息添加到成交量统计吗？"))) {
        return;
    }
    const int count = 统计列表.row_count();
    const std::string cells[] = {
        成交信息.cell(0, 2),
        成交信息.cell(0, 3),
        figures.标签_最低价.caption(),
        figures.标签_最高价.caption(),
        figures.标签_最低单价.caption(),
        figures.标签_最高单价.caption(),
        figures.标签_平均单价.caption(),
        before(figures.标签_交易笔数.caption(), GBK("笔")),
        before(figures.标签_交易总金额.caption(), GBK("元")),
        date_time_text(now()),
    };
    const int row = 统计列表.insert_row(0, std::to_string(count + 1));
    int column = 1;
    for (const std::string& cell : cells) {
        统计列表.set_cell(row, column++, cell);
    }
}

void delete_selected_comparison_row(ui::ReportList& 统计列表, ui::Desktop& desktop) {
    if (!confirmed(desktop, GBK("你确定 删除当前选项数据吗？"))) {
        return;
    }
    const int selected = 统计列表.selected_row();
    if (selected >= 0) {
        统计列表.delete_row(selected);
    }
}

void clear_comparison_table(ui::ReportList& 统计列表, ui::Desktop& desktop) {
    if (confirmed(desktop, GBK("你确定 清空当前统计数据吗？"))) {
        统计列表.clear();
    }
}

}  // namespace quvolo
