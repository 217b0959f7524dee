#include "fakes/virtual_desktop.h"
#include "player/run_pace.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tarnwick {
namespace {

int32_t askedAmount(const std::string& logged) {
    return std::atoi(logged.c_str() + 5);
}

TEST(RunPace, TimerErrorDoesNotAddUpOverManyWaits) {
    struct Case {
        int32_t amount;
        int waits;
        int64_t overrunMicroseconds; // of the timer, on every wait
    } cases[] = {{100, 200, 0},   {100, 200, 700}, {100, 200, -300},
                 {20, 100, 1500}, {1, 50, 900},    {3, 50, 1900}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.amount) + " ms, " + std::to_string(c.overrunMicroseconds) +
                     " us off");
        testing::VirtualDesktop timer;
        timer.overrunMicroseconds = c.overrunMicroseconds;
        RunPace pace(timer);
        for (int i = 0; i < c.waits; ++i)
            pace.wait(c.amount);
        // Left alone, the error would be waits x overrun: 140 ms for 200 waits 0.7 ms late.
        const int64_t due = int64_t(c.amount) * 1000 * c.waits;
        EXPECT_LE(std::llabs(timer.nowMicroseconds() - due), 2000);
        for (const std::string& logged : timer.log)
            EXPECT_GE(askedAmount(logged), c.amount - RunPace::slackMicroseconds / 1000);
    }
}

TEST(RunPace, WaitsAfterAHoldUpKeepTheirAmounts) {
    testing::VirtualDesktop timer;
    RunPace pace(timer);
    timer.overrunMicroseconds = 50000; // a stalled machine, not a late timer
    pace.wait(100);
    timer.overrunMicroseconds = 0;
    pace.wait(100);
    pace.wait(20);
    EXPECT_EQ(timer.log, (std::vector<std::string>{"wait 100", "wait 100", "wait 20"}));
}

TEST(RunPace, NothingToWaitAsksNothing) {
    testing::VirtualDesktop timer;
    timer.overrunMicroseconds = 1000;
    RunPace pace(timer);
    pace.wait(0);
    pace.wait(-5);
    EXPECT_TRUE(timer.log.empty());
    EXPECT_EQ(timer.nowMicroseconds(), 0);
}

} // namespace
} // namespace tarnwick
