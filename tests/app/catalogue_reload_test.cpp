#include <gtest/gtest.h>

#include <deque>

#include "demo/demo_marketplace.h"
#include "main_window_rig.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

// Workers and window calls wait in queues until the test lets them run, in the order it likes.
struct HeldTasks : ui::TaskRunner {
    std::deque<std::function<void(std::stop_token)>> workers;
    std::deque<std::function<void()>> window_calls;
    void run_on_worker(std::function<void(std::stop_token)> work) override {
        workers.push_back(std::move(work));
    }
    void run_on_window(std::function<void()> work) override {
        window_calls.push_back(std::move(work));
    }
    void run_worker(std::size_t index) {
        auto work = std::move(workers.at(index));
        work({});
    }
    void run_window_calls() {
        while (!window_calls.empty()) {
            auto call = std::move(window_calls.front());
            window_calls.pop_front();
            call();
        }
    }
};

TEST(CatalogueReload, AnOlderLoadEndingLastDoesNotReplaceANewerOne) {
    const auto demo = demo::DemoMarketplace::start({});
    ASSERT_TRUE(demo);
    HeldTasks tasks;
    const auto program_dir = std::filesystem::temp_directory_path() / "quvolo_reload_test";
    std::filesystem::create_directories(program_dir);
    // The first load reads from a closed port and so finds no games.
    testing::MainWindowRig rig(hosts_all_at("http://127.0.0.1:9"), program_dir, tasks);
    MainWindowControls& controls = rig.controls;
    rig.handlers.window_created();

    rig.services.hosts = hosts_all_at(demo->base_url());
    controls.deal.字母分类.select(0);  // "全部游戏ALL"
    rig.handlers.filters.letter_chosen(QueryTab::deal);
    ASSERT_EQ(tasks.workers.size(), 2u);

    tasks.run_worker(1);
    tasks.run_window_calls();
    const int games = controls.deal.游戏列表_游戏名_隐.count();
    ASSERT_GT(games, 0);
    EXPECT_EQ(controls.状态条1.part(1), GBK("游戏名 列表载入完成！"));

    controls.状态条1.set_part(1, "");
    tasks.run_worker(0);
    tasks.run_window_calls();
    EXPECT_EQ(controls.deal.游戏列表_游戏名_隐.count(), games);
    EXPECT_EQ(controls.monitor.游戏列表_游戏名_编号_隐1.count(), games);
    EXPECT_EQ(controls.状态条1.part(1), "") << "the older load says nothing either";
    std::filesystem::remove_all(program_dir);
}

}  // namespace
}  // namespace quvolo
