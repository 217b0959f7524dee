#include "player/run_flags.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(RunFlags, HotkeyPressStartsFromIdleOrOffAndStopsWhatPlays) {
    struct Case {
        int32_t enabled, active;
        RunFlags::Toggle toggle;
        int32_t enabledAfter, activeAfter;
    } cases[] = {
        {0, 0, RunFlags::Toggle::started, 1, 1},
        {1, 0, RunFlags::Toggle::started, 1, 1},
        {1, 1, RunFlags::Toggle::stopped, 0, 0},
        {0, 1, RunFlags::Toggle::stopped, 0, 0},
    };
    for (const Case& c : cases) {
        RunFlags flags;
        flags.enabled = c.enabled;
        flags.active = c.active;
        EXPECT_EQ(flags.toggleFromHotkey(), c.toggle) << c.enabled << c.active;
        EXPECT_EQ(flags.enabled, c.enabledAfter);
        EXPECT_EQ(flags.active, c.activeAfter);
        EXPECT_EQ(flags.playing(), c.toggle == RunFlags::Toggle::started);
    }
}

} // namespace
} // namespace tarnwick
