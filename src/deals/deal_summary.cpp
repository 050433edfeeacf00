#include "deals/deal_summary.h"

#include "deals/sort_list_view.h"
#include "text/gbk_literal.h"
#include "text/numbers.h"

namespace quvolo {
namespace {

constexpr int kAveragePlaces = 3;

std::string first_value(const ui::ReportList& values) {
    return values.cell(0, 0);
}

std::string last_value(const ui::ReportList& values) {
    return values.cell(values.row_count() - 1, 0);
}

std::string average_text(const std::string& sum, int count) {
    if (count == 0) {
        return {};
    }
    return number_to_text(round_to(text_to_number(sum) / count, kAveragePlaces));
}

std::string target_names(const DealChoiceLists& choices) {
    return choices.games.shown_choice() + " >> " + choices.areas.shown_choice() + " >> " +
           choices.servers.shown_choice() + " >> " + choices.types.shown_choice();
}

}  // namespace

std::string running_sum(const ui::ReportList& values) {
    std::string sum;
    for (const auto& row : values.rows()) {
        sum = number_to_text(text_to_number(sum) +
                             text_to_number(row.cells.empty() ? "" : row.cells[0]));
    }
    return sum;
}

void summarize_deals(std::string_view count_text, ui::ReportList& prices, ui::ReportList& units,
                     const DealSummaryControls& controls) {
    const DealFigureLabels& figures = controls.figures;
    figures.标签_交易笔数.set_caption(count_text);

    const std::string price_sum = running_sum(prices);
    sort_list_view(prices, 0, SortType::number);
    figures.标签_最低价.set_caption(first_value(prices));
    figures.标签_最高价.set_caption(last_value(prices));

    const std::string unit_sum = running_sum(units);
    sort_list_view(units, 0, SortType::number);
    figures.标签_交易总金额.set_caption(price_sum + GBK(" 元"));
    figures.标签_平均单价.set_caption(average_text(unit_sum, units.row_count()));
    figures.标签_最低单价.set_caption(first_value(units));
    figures.标签_最高单价.set_caption(last_value(units));

    controls.status.label.set_caption(GBK("查询完毕！"));
    controls.status.status_bar.set_part(
        0, target_names(controls.choices) + "   " + figures.标签_交易笔数.caption() +
               GBK(" 定单     统计交易额为：  ") + price_sum + GBK("  元"));
}

void copy_list_rows(const ui::ReportList& source, ui::ReportList& destination) {
    std::vector<ui::ReportRow> rows = destination.rows();
    std::vector<ui::ReportRow> added = source.rows();
    if (added.empty()) {
        return;
    }
    rows.insert(rows.end(), std::make_move_iterator(added.begin()),
                std::make_move_iterator(added.end()));
    const int selected = destination.selected_row();
    destination.replace_rows(std::move(rows));
    if (selected >= 0) {
        destination.select_row(selected);
    }
}

void save_deal_snapshot(const DealSnapshotControls& controls) {
    controls.成交信息复制.clear();
    copy_list_rows(controls.成交信息, controls.成交信息复制);
    for_each_deal_figure(controls.figures, controls.holders,
                         [](const DealFigureNames&, ui::Label& figure, ui::Label& holder) {
                             holder.set_caption(figure.caption());
                         });
}

void restore_deal_query(const DealSnapshotControls& controls, const DealCrawlState& state,
                        ui::Desktop& desktop) {
    if (!state.finished.load()) {
        desktop.message_box({GBK("请等成交信息获取完毕后再查找！"), GBK("警告"),
                             ui::MessageButtons::ok, ui::MessageIcon::exclamation});
        return;
    }
    controls.成交信息.clear();
    copy_list_rows(controls.成交信息复制, controls.成交信息);
    for_each_deal_figure(controls.figures, controls.holders,
                         [](const DealFigureNames&, ui::Label& figure, ui::Label& holder) {
                             figure.set_caption(holder.caption());
                         });
}

}  // namespace quvolo
