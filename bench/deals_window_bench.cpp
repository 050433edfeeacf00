#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "app/deal_tab_handlers.h"
#include "app/main_window_logic.h"
#include "hundred_page_game.h"
#include "qt/main_window.h"
#include "qt/qt_appearance.h"
#include "qt/qt_desktop.h"
#include "qt/qt_task_runner.h"
#include "text/gbk_literal.h"
#include "ui/scaled_pacer.h"

namespace quvolo {
namespace {

// The longest the window's thread went without serving a 1 ms timer: the longest stall a
// user would feel.
class StallMeter {
  public:
    StallMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, since_last_.restart()); });
    }
    void start() {
        longest_ = 0;
        since_last_.start();
        timer_.start(1);
    }
    qint64 stop() {
        timer_.stop();
        return std::max(longest_, since_last_.elapsed());
    }

  private:
    QTimer timer_;
    QElapsedTimer since_last_;
    qint64 longest_ = 0;
};

void process_events_until(const std::function<bool()>& done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}

// The whole window, off screen, over the demo marketplace with no pauses.
struct OffscreenWindow {
    explicit OffscreenWindow(const Hosts& hosts)
        : services{hosts, program_dir(), desktop, pacer, tasks, appearance},
          logic(controls, services),
          deals(controls, services),
          window(controls, logic, deals, tasks, desktop) {
        window.show();
        process_events_until([this] { return controls.update.时钟1.period() != 0; });
        controls.update.时钟1.set_period(0);
        process_events_until(
            [this] { return controls.状态条1.part(1) == GBK("游戏名 列表载入完成！"); });
    }
    ~OffscreenWindow() {
        desktop.shut_down();
        tasks.stop_all();
        std::filesystem::remove_all(program_dir());
    }

    static std::filesystem::path program_dir() {
        const auto dir = std::filesystem::temp_directory_path() / "quvolo-deals-window-bench";
        std::filesystem::create_directories(dir);
        return dir;
    }

    MainWindowControls controls;
    qt::QtDesktop desktop;
    ui::ScaledPacer pacer{0.0};
    qt::QtTaskRunner tasks;
    qt::QtAppearance appearance;
    AppServices services;
    MainWindowLogic logic;
    DealTabHandlers deals;
    qt::MainWindow window;
};

// Made on first use and never destroyed: after main has returned it is too late for the
// browser engine to tear down, so the process ends with it alive.
QApplication& offscreen_application() {
    static int argc = 1;
    static char name[] = "deals_window_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The browser views' engine will not start its sandbox as root.
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A click on "获取成交信息" for a game of about 100 pages, until the window shows every row
// and the figures; the counter stall_ms is the window thread's longest stall meanwhile.
void crawl_hundred_pages_in_window(benchmark::State& state) {
    offscreen_application();
    static const HundredPageGame game = find_hundred_page_game();
    if (game.pages == 0) {
        state.SkipWithError("no game of the demo has 100 pages of deals");
        return;
    }
    OffscreenWindow shown(hosts_all_at(game.demo->base_url()));
    auto* games = shown.window.findChild<QListWidget*>(QStringLiteral("游戏列表_游戏名_显"));
    auto* query = shown.window.findChild<QPushButton*>(QStringLiteral("成交量"));
    auto* list = shown.window.findChild<QTreeView*>(QStringLiteral("成交信息"));
    const auto& ids = shown.controls.deal.游戏列表_游戏名_编号;
    int game_row = 0;
    while (game_row < ids.count() && ids.item(game_row) != game.game_id) {
        ++game_row;
    }
    process_events_until([&] { return games->count() == ids.count(); });
    games->setCurrentRow(game_row);
    process_events_until(
        [&] { return shown.controls.状态条1.part(1) == GBK("分区类型 列表载入完成！"); });

    StallMeter stalls;
    qint64 longest_stall = 0;
    int rows = 0;
    for (auto _ : state) {
        stalls.start();
        query->click();
        process_events_until([&] {
            rows = shown.controls.deal.成交信息.row_count();
            return !shown.deals.crawl_state().busy &&
                   shown.controls.状态条1.part(1) == GBK("查询完毕！") &&
                   list->model()->rowCount() == rows;
        });
        longest_stall = std::max(longest_stall, stalls.stop());
    }
    state.counters["pages"] = static_cast<double>(game.pages);
    state.counters["rows"] = rows;
    state.counters["stall_ms"] = static_cast<double>(longest_stall);
}
BENCHMARK(crawl_hundred_pages_in_window)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quvolo
