#include "window_on_demo.h"

#include <unistd.h>

#include <string>

#include "event_wait.h"
#include "text/gbk_literal.h"

namespace quvolo::qt {

void WindowOnDemo::SetUp() {
    program_dir_ = std::filesystem::temp_directory_path() /
                   ("quvolo-window-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(program_dir_);
    setup_ = set_up_hosts(program_dir_ / "config.ini");
    shown_ = std::make_unique<ShownWindow>(setup_.hosts, program_dir_);
    shown_->window.show();

    MainWindowControls& controls = shown_->controls;
    ASSERT_TRUE(process_events_until([&] { return controls.update.时钟1.period() != 0; }));
    controls.update.时钟1.set_period(0);
    ASSERT_TRUE(process_events_until(
        [&] { return controls.状态条1.part(1) == GBK("游戏名 列表载入完成！"); },
        std::chrono::seconds(60)));
}

void WindowOnDemo::TearDown() {
    if (shown_) {
        shown_->window.close();
    }
    shown_.reset();
    std::filesystem::remove_all(program_dir_);
}

}  // namespace quvolo::qt
