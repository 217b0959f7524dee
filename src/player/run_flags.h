#pragma once
// The two process-wide run flags. A run injects input only while both are 1. Written by the
// runner, the Start button and the scheduler from different threads, hence atomics.
//
// States (RunEnabled, RunActive): (0, 0) at start and while a hotkey stop is under way,
// (1, 0) idle, (1, 1) playing.
#include <atomic>
#include <cstdint>

namespace tarnwick {

struct RunFlags {
    std::atomic<int32_t> enabled{0}; // RunEnabled
    std::atomic<int32_t> active{0};  // RunActive

    // The play test, made before every injection.
    bool playing() const { return enabled.load() == 1 && active.load() == 1; }

    // (1, 0): the Start button, a pass cut short, the end of every run.
    void markIdle() {
        enabled.store(1);
        active.store(0);
    }
    // (1, 1): the scheduler right before a scheduled run, and the enable-schedule command.
    void markPlaying() {
        enabled.store(1);
        active.store(1);
    }

    enum class Toggle { started, stopped };
    // A start-hotkey press: starts when nothing is active, stops what is. The exchange on
    // RunActive is atomic so that two presses at the same moment cannot both start.
    Toggle toggleFromHotkey() {
        enabled.store(1);
        int32_t idle = 0;
        if (active.compare_exchange_strong(idle, 1))
            return Toggle::started;
        active.store(0);
        enabled.store(0);
        return Toggle::stopped;
    }
};

} // namespace tarnwick
