#include "offscreen_window.h"

#include <unistd.h>

#include <algorithm>

#include "text/gbk_literal.h"

namespace quvolo {

StallMeter::StallMeter() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout,
                     [this] { longest_ = std::max(longest_, since_last_.restart()); });
}

void StallMeter::start() {
    longest_ = 0;
    since_last_.start();
    timer_.start(1);
}

qint64 StallMeter::stop() {
    timer_.stop();
    return std::max(longest_, since_last_.elapsed());
}

void process_events_until(const std::function<bool()>& done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}

OffscreenWindow::OffscreenWindow(const Hosts& hosts)
    : qt::WindowProgram(hosts, program_dir(), 0.0) {
    window.show();
    process_events_until([this] { return controls.update.时钟1.period() != 0; });
    controls.update.时钟1.set_period(0);
}

OffscreenWindow::~OffscreenWindow() {
    std::filesystem::remove_all(program_dir());
}

void OffscreenWindow::wait_for_catalogue() {
    process_events_until(
        [this] { return controls.状态条1.part(1) == GBK("游戏名 列表载入完成！"); });
}

std::filesystem::path OffscreenWindow::program_dir() {
    const auto dir = std::filesystem::temp_directory_path() / "quvolo-window-bench";
    std::filesystem::create_directories(dir);
    return dir;
}

QApplication& offscreen_application() {
    static int argc = 1;
    static char name[] = "window_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The browser views' engine will not start its sandbox as root.
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace quvolo
