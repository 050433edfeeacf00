#include "app/main_window_logic.h"

#include <algorithm>
#include <random>

#include "app/help_texts.h"
#include "app/program_files.h"
#include "app/publisher_pages.h"
#include "app/update_check.h"
#include "net/fetch.h"
#include "selection/keyword_search.h"
#include "selection/letter_filter.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

constexpr int kUpdateCheckDelayMs = 2000;

void apply_skin(ui::Appearance& appearance, int hue, int second) {
    appearance.adjust_hue(std::clamp(hue, -180, 180), std::clamp(second, -100, 100));
}

}  // namespace

MainWindowLogic::MainWindowLogic(MainWindowControls& controls, AppServices& services)
    : controls_(controls), services_(services) {}

ui::ActivityDisplay MainWindowLogic::activity() {
    return {controls_.状态, controls_.状态条1};
}

GameFilterControls MainWindowLogic::filter(QueryTab tab) {
    return tab == QueryTab::deal ? controls_.deal.filter() : controls_.monitor.filter();
}

void MainWindowLogic::window_created() {
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> skin_value(0, 180);
    const int hue = skin_value(random);
    const int second = skin_value(random);
    apply_skin(services_.appearance, hue, second);

    controls_.分组框2.set_visible(false);
    controls_.deal.透明标签_排序.set_caption(GBK("降"));
    controls_.monitor.透明标签_排序1.set_caption(GBK("降"));
    write_program_files(services_.program_dir);
    const std::string& publisher = services_.hosts.publisher;
    controls_.messages.超文本浏览框1.set_address(message_board_address(publisher));
    controls_.messages.超文本浏览框2.set_address(statistics_page_address(publisher));
    controls_.update.标签38.set_caption(about_text(services_.hosts.publisher));
    load_catalogue_on_worker();
    controls_.update.时钟1.set_period(kUpdateCheckDelayMs);
}

void MainWindowLogic::load_catalogue_on_worker() {
    const auto turn = catalogue_turns_.begin();
    activity().show(GBK("游戏名 列表载入中..."));
    const std::string address = catalogue_address(services_.hosts.catalogue);
    services_.tasks.run_on_worker([this, address, turn](std::stop_token stop) {
        auto games = parse_catalogue(fetch_page(address, {}, stoppable(stop)));
        if (stop.stop_requested()) {
            return;
        }
        // The lists are written on the window's thread, where the letter filter and the
        // keyword search read them, so a filter never sees half a catalogue.
        services_.tasks.run_on_window([this, turn, games = std::move(games)] {
            catalogue_turns_.write(turn, [&] {
                show_catalogue(games, catalogue_targets());
                activity().show(GBK("游戏名 列表载入完成！"));
            });
        });
    });
}

CatalogueTargets MainWindowLogic::catalogue_targets() {
    return {controls_.deal.game_lists(), controls_.monitor.game_lists()};
}

void MainWindowLogic::letter_chosen(QueryTab tab) {
    filter_by_letter(filter(tab), [this] { load_catalogue_on_worker(); });
}

void MainWindowLogic::keyword_search_clicked(QueryTab tab) {
    search_by_keyword(filter(tab));
}

void MainWindowLogic::keyword_box_focused(QueryTab tab) {
    controls_.deal.按钮_关键字.set_default(tab == QueryTab::deal);
    controls_.monitor.按钮_关键字1.set_default(tab == QueryTab::monitor);
}

void MainWindowLogic::update_timer_fired() {
    controls_.update.时钟1.set_period(0);
    check_for_update(false);
}

void MainWindowLogic::check_update_clicked() {
    check_for_update(true);
}

void MainWindowLogic::check_for_update(bool report_latest) {
    const std::string address = version_service_address(services_.hosts.publisher);
    services_.tasks.run_on_worker([this, address, report_latest](std::stop_token stop) {
        std::string answer = fetch_page(address, {}, stoppable(stop));
        if (stop.stop_requested()) {
            return;
        }
        services_.tasks.run_on_window([this, answer = std::move(answer), report_latest] {
            handle_version_answer(answer, report_latest, services_.desktop, [this] {
                return start_updater(services_.program_dir, services_.hosts);
            });
        });
    });
}

void MainWindowLogic::manual_update_clicked() {
    services_.desktop.open_in_browser(manual_update_address(services_.hosts.publisher));
}

void MainWindowLogic::refresh_messages_clicked() {
    controls_.messages.超文本浏览框1.set_address(message_board_address(services_.hosts.publisher));
}

void MainWindowLogic::website_clicked() {
    services_.desktop.open_in_browser(services_.hosts.publisher + "/");
}

ExportMenuControls MainWindowLogic::export_controls() {
    return {services_.desktop, controls_.分组框2, controls_.进度条1};
}

std::string MainWindowLogic::sheet_name() const {
    return export_sheet_name(host_name_of(services_.hosts.publisher));
}

void MainWindowLogic::deal_export_chosen(DealTabHandlers& deals) {
    if (deals.deal_list_free()) {
        export_deal_list(controls_.deal.成交信息, controls_.deal.查询目标, export_controls(),
                         sheet_name(), local_now());
    }
}

void MainWindowLogic::offer_export_chosen() {
    export_open_offer_list(controls_.monitor.成交信息1, controls_.monitor.查询目标1,
                           export_controls(), sheet_name(), local_now());
}

void MainWindowLogic::slider1_moved(int position) {
    apply_skin(services_.appearance, 2 * position, 0);
}

void MainWindowLogic::slider2_moved(int position) {
    apply_skin(services_.appearance, -2 * position, 0);
}

}  // namespace quvolo
