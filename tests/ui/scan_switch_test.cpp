#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ui/scaled_pacer.h"
#include "ui/scan_switch.h"

namespace quvolo::ui {
namespace {

using namespace std::chrono_literals;

// A job on its own thread that asks the switch once and records what it was told.
struct Job {
    explicit Job(ScanSwitch& scan)
        : thread([&scan, this] {
              answer = scan.proceed() ? 1 : 0;
              done = true;
          }) {}
    std::atomic<int> answer{-1};
    std::atomic<bool> done{false};
    std::jthread thread;
};

TEST(ScanSwitch, APausedJobWaitsUntilContinueOrStop) {
    for (const bool stop_it : {false, true}) {
        ScanSwitch scan;
        scan.pause();
        Job job(scan);
        std::this_thread::sleep_for(30ms);
        EXPECT_FALSE(job.done) << "paused, stop " << stop_it;
        stop_it ? scan.stop() : scan.resume();
        job.thread.join();
        EXPECT_EQ(job.answer, stop_it ? 0 : 1);
    }
}

TEST(ScanSwitch, StopEndsAWaitAtOnce) {
    ScanSwitch scan;
    ScaledPacer pacer(1.0);
    std::atomic<bool> waited_through{true};
    const auto start = std::chrono::steady_clock::now();
    std::jthread job([&] { waited_through = scan.wait(pacer, 5000ms); });
    std::this_thread::sleep_for(20ms);
    scan.stop();
    job.join();
    EXPECT_FALSE(waited_through);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2000ms);
    EXPECT_TRUE(scan.stop_token().stop_requested());
    EXPECT_FALSE(scan.proceed());
}

}  // namespace
}  // namespace quvolo::ui
