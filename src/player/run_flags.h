#pragma once
// The two process-wide run flags. A run injects input only while both are 1. Written by the
// runner, the Start button and the scheduler from different threads, hence atomics.
#include <atomic>
#include <cstdint>

namespace tarnwick {

struct RunFlags {
    std::atomic<int32_t> enabled{0}; // RunEnabled
    std::atomic<int32_t> active{0};  // RunActive

    bool playing() const { return enabled.load() == 1 && active.load() == 1; }
};

} // namespace tarnwick
