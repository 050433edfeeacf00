#include "app/shell_handlers.h"

#include <algorithm>
#include <random>

#include "app/help_texts.h"
#include "app/program_files.h"
#include "app/publisher_pages.h"
#include "app/update_check.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

constexpr int kUpdateCheckDelayMs = 2000;

void apply_skin(ui::Appearance& appearance, int hue, int second) {
    appearance.adjust_hue(std::clamp(hue, -180, 180), std::clamp(second, -100, 100));
}

}  // namespace

ShellHandlers::ShellHandlers(MainWindowControls& controls, Services services, ui::JobServices jobs)
    : controls_(controls), services_(std::move(services)), jobs_(jobs) {}

void ShellHandlers::window_created() {
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
    controls_.update.标签38.set_caption(about_text(publisher));
}

void ShellHandlers::start_update_timer() {
    controls_.update.时钟1.set_period(kUpdateCheckDelayMs);
}

void ShellHandlers::update_timer_fired() {
    controls_.update.时钟1.set_period(0);
    check_for_update(false);
}

void ShellHandlers::check_update_clicked() {
    check_for_update(true);
}

void ShellHandlers::check_for_update(bool report_latest) {
    const std::string address = version_service_address(services_.hosts.publisher);
    jobs_.tasks.run_on_worker([this, address, report_latest](std::stop_token stop) {
        std::string answer = jobs_.web.page(address, stop);
        if (stop.stop_requested()) {
            return;
        }
        jobs_.tasks.run_on_window([this, answer = std::move(answer), report_latest] {
            handle_version_answer(answer, report_latest, jobs_.desktop, services_.start_updater);
        });
    });
}

void ShellHandlers::manual_update_clicked() {
    jobs_.desktop.open_in_browser(manual_update_address(services_.hosts.publisher));
}

void ShellHandlers::refresh_messages_clicked() {
    controls_.messages.超文本浏览框1.set_address(message_board_address(services_.hosts.publisher));
}

void ShellHandlers::website_clicked() {
    jobs_.desktop.open_in_browser(services_.hosts.publisher + "/");
}

void ShellHandlers::slider1_moved(int position) {
    apply_skin(services_.appearance, 2 * position, 0);
}

void ShellHandlers::slider2_moved(int position) {
    apply_skin(services_.appearance, -2 * position, 0);
}

}  // namespace quvolo
