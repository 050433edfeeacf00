#include "deals/crawl_deals.h"

#include <chrono>
#include <cstdint>
#include <vector>

#include "deals/deal_page.h"
#include "deals/deal_summary.h"
#include "text/gbk_literal.h"
#include "text/text_between.h"

namespace quvolo {
namespace {

constexpr std::chrono::milliseconds kPauseAfterPage{1000};

class BusyRelease {
  public:
    explicit BusyRelease(DealCrawlState& state) : state_(state) {}
    ~BusyRelease() { state_.busy = false; }
    BusyRelease(const BusyRelease&) = delete;
    BusyRelease& operator=(const BusyRelease&) = delete;

  private:
    DealCrawlState& state_;
};

std::string query_target(const DealChoiceLists& choices) {
    return choices.games.shown_choice() + ">>" + choices.areas.shown_choice() + ">>" +
           choices.servers.shown_choice() + ">>" + choices.types.shown_choice();
}

// Each value goes in as the second row, so the first deal's value stays on top and the others
// follow from the latest back.
void insert_value(ui::ReportList& values, const std::string& value) {
    values.insert_row(1, value);
}

// Puts one page's deals on top of the list, numbered from offset + 1 up, the page's first deal
// on top, and fills their cells one field at a time.
void add_page_rows(const std::vector<std::string>& pieces, std::int64_t offset,
                   const DealCrawlControls& controls) {
    const int count = static_cast<int>(pieces.size());
    for (int j = 1; j <= count; ++j) {
        controls.成交信息.insert_row(0, std::to_string(offset + j));
    }
    for (const DealField& field : deal_field_passes()) {
        for (int j = 0; j < count; ++j) {
            const std::string cell = text_between(pieces[j], field.left, field.right);
            controls.成交信息.set_cell(j, field.column, cell);
            if (field.column == kDealUnitPriceColumn) {
                insert_value(controls.单价_隐, unit_price_value(cell));
            } else if (field.column == kDealPriceColumn) {
                insert_value(controls.总合_隐, price_value(cell));
            }
        }
    }
}

}  // namespace

void crawl_deals(const DealCrawlControls& controls, DealCrawlState& state,
                 const DealCrawlEnvironment& environment) {
    const BusyRelease release(state);
    state.finished = false;
    const std::stop_token& stop = environment.stop;
    const DealChoiceLists& choices = controls.choices;

    controls.查询目标.set_caption(query_target(choices));
    controls.status.show(GBK("正在查询，请等待....."));
    DealQueryIds ids;
    ids.server = choices.servers.chosen_id_or_all();
    ids.type = choices.types.chosen_id_or_all();
    if (choices.games.hidden.selected() < 0) {
        environment.desktop.message_box({GBK("请选择你们要查询的游戏！"), GBK("警告"),
                                         ui::MessageButtons::ok, ui::MessageIcon::exclamation});
        return;
    }
    ids.game = choices.games.hidden.item(choices.games.hidden.selected());
    ids.area = choices.areas.chosen_id_or_all();

    controls.成交信息.clear();
    controls.总合_隐.clear();
    controls.单价_隐.clear();
    if (stop.stop_requested()) {
        return;
    }
    const std::string trading_host = environment.trading_host;
    std::string page = environment.read_page(deal_list_address(trading_host, ids, 1), stop);
    if (stop.stop_requested()) {
        return;
    }
    const std::int64_t pages = deal_page_count(page);
    std::int64_t offset = 0;
    for (std::int64_t p = 1; p <= pages; ++p) {
        // A single page is used as first read; with more, page 1 is read again in the loop.
        if (pages != 1) {
            page = environment.read_page(deal_list_address(trading_host, ids, p), stop);
            if (stop.stop_requested()) {
                return;
            }
        }
        const std::vector<std::string> pieces = deal_pieces(page);
        add_page_rows(pieces, offset, controls);
        offset += static_cast<std::int64_t>(pieces.size());
        if (!environment.pacer.pause(kPauseAfterPage, stop)) {
            return;
        }
    }

    summarize_deals(deal_count_text(page) + GBK(" 笔"), controls.总合_隐, controls.单价_隐,
                    controls.summary());
    save_deal_snapshot(controls.snapshot());
    state.finished = true;
    controls.status.status_bar.set_part(1, GBK("查询完毕！"));
    controls.status.status_bar.set_part(2, date_time_text(environment.now()));
}

}  // namespace quvolo
