#include "deals/day_filter.h"

#include <string>

#include "deals/deal_page.h"
#include "deals/deal_summary.h"
#include "deals/digit_run_reader.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

bool same_day(const DateTime& a, const DateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

std::optional<DateTime> deal_day(std::string_view time_cell) {
    DigitRunReader reader(time_cell);
    const auto separator = [&reader](const std::string& unit) {
        return reader.take_one_of("-/.") || reader.take(unit);
    };
    int year_digits = 0;
    const std::optional<int> year = reader.digits(4, &year_digits);
    if (!year || (year_digits != 2 && year_digits != 4) || !separator(GBK("年"))) {
        return std::nullopt;
    }
    const std::optional<int> month = reader.digits(2);
    if (!month || !separator(GBK("月"))) {
        return std::nullopt;
    }
    const std::optional<int> day = reader.digits(2);
    // A digit right after the day would make it a longer number, not a day.
    if (!day || reader.at_digit()) {
        return std::nullopt;
    }
    DateTime when;
    when.year = year_digits == 2 ? 2000 + *year : *year;
    when.month = *month;
    when.day = *day;
    return when;
}

void filter_deals_by_date(const DayFilterControls& controls, const DateTime& day,
                          ui::Desktop& desktop, const std::function<DateTime()>& now) {
    ui::StatusBar& status_bar = controls.summary.status.status_bar;
    status_bar.set_part(1, GBK("查询中..."));
    controls.成交信息.clear();
    controls.成交信息复制1.clear();
    copy_list_rows(controls.成交信息复制, controls.成交信息复制1);

    std::vector<ui::ReportRow> kept;
    for (auto& row : controls.成交信息复制1.rows()) {
        const std::optional<DateTime> deal = row.cells.size() > kDealTimeColumn
                                                 ? deal_day(row.cells[kDealTimeColumn])
                                                 : std::nullopt;
        if (deal && same_day(*deal, day)) {
            kept.push_back(std::move(row));
        }
    }
    controls.成交信息复制1.replace_rows(kept);
    copy_list_rows(controls.成交信息复制1, controls.成交信息);

    controls.总合_隐3.clear();
    controls.单价_隐3.clear();
    const int count = controls.成交信息.row_count();
    if (count == 0) {
        desktop.message_box({GBK("无法查询到当前日期交易量！"), GBK("警告"), ui::MessageButtons::ok,
                             ui::MessageIcon::exclamation});
        return;
    }
    for (int row = 0; row < count; ++row) {
        controls.总合_隐3.insert_row(1, price_value(controls.成交信息.cell(row, kDealPriceColumn)));
        controls.单价_隐3.insert_row(
            1, unit_price_value(controls.成交信息.cell(row, kDealUnitPriceColumn)));
    }
    summarize_deals(std::to_string(count) + GBK(" 笔"), controls.总合_隐3, controls.单价_隐3,
                    controls.summary);
    status_bar.set_part(1, GBK("查询完毕！"));
    status_bar.set_part(2, date_time_text(now()));
}

}  // namespace quvolo
