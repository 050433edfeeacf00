#include "app/deal_tab_handlers.h"

#include "deals/comparison_table.h"
#include "deals/crawl_deals.h"
#include "deals/day_filter.h"
#include "deals/deal_address.h"
#include "deals/deal_summary.h"
#include "deals/header_sort.h"
#include "net/fetch.h"

namespace quvolo {

DealTabHandlers::DealTabHandlers(MainWindowControls& controls, AppServices& services)
    : controls_(controls), services_(services), chosen_day_(controls.deal.日期框1.date()) {}

PageReader DealTabHandlers::page_reader() const {
    return [](const std::string& address, std::stop_token stop) {
        FetchControl control;
        control.stop = std::move(stop);
        return fetch_page(address, {}, control);
    };
}

DealChoiceLists DealTabHandlers::choice_lists() {
    DealTabControls& c = controls_.deal;
    return {{c.游戏列表_游戏名_显, c.游戏列表_游戏名_编号},
            {c.商品类型_类型_显, c.商品类型_类型_隐},
            {c.游戏分区_大区_显, c.游戏分区_大区_隐},
            {c.游戏伺服_服务器_显, c.游戏伺服_服务器_隐}};
}

DealFigureLabels DealTabHandlers::figure_labels() {
    DealTabControls& c = controls_.deal;
    return {c.标签_交易笔数, c.标签_交易总金额, c.标签_最低价,  c.标签_最高价,
            c.标签_最低单价, c.标签_最高单价,   c.标签_平均单价};
}

DealCrawlControls DealTabHandlers::crawl_controls() {
    DealTabControls& c = controls_.deal;
    return {choice_lists(),
            c.查询目标,
            c.成交信息,
            c.总合_隐,
            c.单价_隐,
            c.成交信息复制,
            figure_labels(),
            {c.透明标签_量副, c.透明标签_总副, c.透明标签_低金, c.透明标签_高金, c.透明标签_低单,
             c.透明标签_高单, c.透明标签_平均},
            {controls_.状态, controls_.状态条1}};
}

DealSummaryControls DealTabHandlers::summary_controls() {
    return crawl_controls().summary();
}

ChoiceLoadEnvironment DealTabHandlers::load_environment(std::stop_token stop) {
    return {services_.hosts.catalogue,
            services_.hosts.trading,
            page_reader(),
            {controls_.状态, controls_.状态条1},
            services_.pacer,
            std::move(stop)};
}

void DealTabHandlers::game_chosen() {
    const GameLoadTurns held = begin_game_load(choice_turns_);
    services_.tasks.run_on_worker([this, held](std::stop_token stop) {
        load_areas_and_goods_types(choice_lists(), choice_turns_, held, load_environment(stop));
    });
}

void DealTabHandlers::area_chosen() {
    const std::uint64_t held = begin_area_load(choice_turns_);
    services_.tasks.run_on_worker([this, held](std::stop_token stop) {
        load_servers(choice_lists(), choice_turns_, held, load_environment(stop));
    });
}

void DealTabHandlers::type_chosen() {
    choice_lists().types.follow_choice();
}

void DealTabHandlers::server_chosen() {
    choice_lists().servers.follow_choice();
}

void DealTabHandlers::crawl_clicked() {
    if (!crawl_state_.claim()) {
        refuse_while_crawling(crawl_state_, services_.desktop);
        return;
    }
    services_.tasks.run_on_worker([this](std::stop_token stop) {
        crawl_deals(crawl_controls(), crawl_state_,
                    {services_.hosts.trading, page_reader(), services_.desktop, services_.pacer,
                     std::move(stop)});
    });
}

bool DealTabHandlers::deal_list_free() {
    return !refuse_while_crawling(crawl_state_, services_.desktop);
}

void DealTabHandlers::day_changed() {
    chosen_day_ = controls_.deal.日期框1.date();
}

void DealTabHandlers::find_day_clicked() {
    if (!deal_list_free()) {
        return;
    }
    DealTabControls& c = controls_.deal;
    filter_deals_by_date({c.成交信息, c.成交信息复制, c.成交信息复制1, c.总合_隐3, c.单价_隐3,
                          summary_controls()},
                         chosen_day_, services_.desktop, local_now);
}

void DealTabHandlers::restore_clicked() {
    if (deal_list_free()) {
        restore_deal_query(crawl_controls().snapshot(), crawl_state_, services_.desktop);
    }
}

void DealTabHandlers::header_clicked(int column) {
    if (deal_list_free()) {
        sort_deal_list_by_header(controls_.deal.成交信息, controls_.deal.透明标签_排序, column);
    }
}

void DealTabHandlers::view_current_order_clicked() {
    open_selected_deal(controls_.deal.成交信息, services_.hosts.trading, services_.desktop);
}

void DealTabHandlers::add_comparison_clicked() {
    if (deal_list_free()) {
        add_comparison_row(controls_.comparison.统计列表, controls_.deal.成交信息, figure_labels(),
                           services_.desktop, local_now);
    }
}

void DealTabHandlers::delete_comparison_clicked() {
    delete_selected_comparison_row(controls_.comparison.统计列表, services_.desktop);
}

void DealTabHandlers::clear_comparison_clicked() {
    clear_comparison_table(controls_.comparison.统计列表, services_.desktop);
}

void DealTabHandlers::comparison_header_clicked(int column) {
    sort_comparison_table_by_header(controls_.comparison.统计列表, column);
}

}  // namespace quvolo
