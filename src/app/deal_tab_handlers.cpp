#include "app/deal_tab_handlers.h"

#include "deals/comparison_table.h"
#include "deals/crawl_deals.h"
#include "deals/day_filter.h"
#include "deals/deal_address.h"
#include "deals/deal_summary.h"
#include "deals/header_sort.h"

namespace quvolo {

DealChoiceLists deal_choice_lists(DealTabControls& tab) {
    return {{tab.游戏列表_游戏名_显, tab.游戏列表_游戏名_编号},
            {tab.商品类型_类型_显, tab.商品类型_类型_隐},
            {tab.游戏分区_大区_显, tab.游戏分区_大区_隐},
            {tab.游戏伺服_服务器_显, tab.游戏伺服_服务器_隐}};
}

DealFigureLabels deal_figure_labels(DealTabControls& tab) {
    return {tab.标签_交易笔数, tab.标签_交易总金额, tab.标签_最低价,  tab.标签_最高价,
            tab.标签_最低单价, tab.标签_最高单价,   tab.标签_平均单价};
}

DealCrawlControls deal_crawl_controls(MainWindowControls& controls) {
    DealTabControls& tab = controls.deal;
    return {deal_choice_lists(tab),
            tab.查询目标,
            tab.成交信息,
            tab.总合_隐,
            tab.单价_隐,
            tab.成交信息复制,
            deal_figure_labels(tab),
            {tab.透明标签_量副, tab.透明标签_总副, tab.透明标签_低金, tab.透明标签_高金,
             tab.透明标签_低单, tab.透明标签_高单, tab.透明标签_平均},
            {controls.状态, controls.状态条1}};
}

DayFilterControls day_filter_controls(MainWindowControls& controls) {
    DealTabControls& tab = controls.deal;
    return {tab.成交信息, tab.成交信息复制, tab.成交信息复制1,
            tab.总合_隐3, tab.单价_隐3,     deal_crawl_controls(controls).summary()};
}

DealTabHandlers::DealTabHandlers(MainWindowControls& controls, const Hosts& hosts,
                                 ui::JobServices jobs, ExportPlace export_place)
    : controls_(controls),
      hosts_(hosts),
      jobs_(jobs),
      export_place_(std::move(export_place)),
      chosen_day_(controls.deal.日期框1.date()) {}

std::function<DateTime()> DealTabHandlers::clock() const {
    return [&clock = jobs_.clock] { return clock.now(); };
}

ChoiceLoadEnvironment DealTabHandlers::load_environment(std::stop_token stop) {
    return {hosts_.catalogue,    hosts_.trading,
            pages_of(jobs_.web), {controls_.状态, controls_.状态条1},
            jobs_.pacer,         std::move(stop)};
}

void DealTabHandlers::game_chosen() {
    const GameLoadTurns held = begin_game_load(choice_turns_);
    jobs_.tasks.run_on_worker([this, held](std::stop_token stop) {
        load_areas_and_goods_types(deal_choice_lists(controls_.deal), choice_turns_, held,
                                   load_environment(stop));
    });
}

void DealTabHandlers::area_chosen() {
    const AreaLoadTurns held = begin_area_load(choice_turns_);
    jobs_.tasks.run_on_worker([this, held](std::stop_token stop) {
        load_servers(deal_choice_lists(controls_.deal), choice_turns_, held,
                     load_environment(stop));
    });
}

void DealTabHandlers::type_chosen() {
    deal_choice_lists(controls_.deal).types.follow_choice();
}

void DealTabHandlers::server_chosen() {
    deal_choice_lists(controls_.deal).servers.follow_choice();
}

void DealTabHandlers::crawl_clicked() {
    if (!crawl_state_.claim()) {
        refuse_while_crawling(crawl_state_, jobs_.desktop);
        return;
    }
    jobs_.tasks.run_on_worker([this](std::stop_token stop) {
        crawl_deals(
            deal_crawl_controls(controls_), crawl_state_,
            {hosts_.trading, pages_of(jobs_.web), jobs_.desktop, jobs_.pacer, std::move(stop)});
    });
}

bool DealTabHandlers::deal_list_free() {
    return !refuse_while_crawling(crawl_state_, jobs_.desktop);
}

void DealTabHandlers::day_changed() {
    chosen_day_ = controls_.deal.日期框1.date();
}

void DealTabHandlers::find_day_clicked() {
    if (!deal_list_free()) {
        return;
    }
    filter_deals_by_date(day_filter_controls(controls_), chosen_day_, jobs_.desktop, clock());
}

void DealTabHandlers::restore_clicked() {
    if (deal_list_free()) {
        restore_deal_query(deal_crawl_controls(controls_).snapshot(), crawl_state_, jobs_.desktop);
    }
}

void DealTabHandlers::header_clicked(int column) {
    if (deal_list_free()) {
        sort_deal_list_by_header(controls_.deal.成交信息, controls_.deal.透明标签_排序, column);
    }
}

void DealTabHandlers::view_current_order_clicked() {
    open_selected_deal(controls_.deal.成交信息, hosts_.trading, jobs_.desktop);
}

void DealTabHandlers::export_chosen() {
    if (deal_list_free()) {
        export_deal_list(controls_.deal.成交信息, controls_.deal.查询目标, export_place_.controls,
                         export_place_.sheet_name, jobs_.clock.now());
    }
}

void DealTabHandlers::add_comparison_clicked() {
    if (deal_list_free()) {
        add_comparison_row(controls_.comparison.统计列表, controls_.deal.成交信息,
                           deal_figure_labels(controls_.deal), jobs_.desktop, clock());
    }
}

void DealTabHandlers::delete_comparison_clicked() {
    delete_selected_comparison_row(controls_.comparison.统计列表, jobs_.desktop);
}

void DealTabHandlers::clear_comparison_clicked() {
    clear_comparison_table(controls_.comparison.统计列表, jobs_.desktop);
}

void DealTabHandlers::comparison_header_clicked(int column) {
    sort_comparison_table_by_header(controls_.comparison.统计列表, column);
}

}  // namespace quvolo
