#include <gtest/gtest.h>

#include <thread>

#include "ui/scaled_pacer.h"

namespace quvolo::ui {
namespace {

using namespace std::chrono_literals;

TEST(ScaledPacer, ZeroScaleCountsWithoutWaiting) {
    ScaledPacer pacer(0);
    std::stop_source never;
    EXPECT_TRUE(pacer.pause(1h, never.get_token()));
    EXPECT_TRUE(pacer.pause(1h, never.get_token()));
    EXPECT_EQ(pacer.pauses(), 2);
}

TEST(ScaledPacer, AStopEndsALongPauseEarly) {
    ScaledPacer pacer(1);
    std::stop_source stop;
    std::jthread stopper([&] {
        std::this_thread::sleep_for(20ms);
        stop.request_stop();
    });
    EXPECT_FALSE(pacer.pause(1h, stop.get_token()));
}

TEST(ScaledPacer, AnAlreadyStoppedTokenRefusesToWait) {
    ScaledPacer pacer(1);
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(pacer.pause(1h, stop.get_token()));
}

}  // namespace
}  // namespace quvolo::ui
