#pragma once
// The player's wait: a one-shot waitable timer, with the calling thread's messages dispatched
// while it runs, so a thread that owns windows stays responsive and nothing spins.
#include "player/waiter.h"

#include <cstdint>

namespace tarnwick::platform {

// Unit codes as in player/delay_units.h. Returns at once for an amount of 0 or less.
bool preciseDelay(int32_t amount, int32_t unit);

class Win32Waiter : public Waiter {
  public:
    void wait(int32_t milliseconds) override;
    int64_t nowMicroseconds() override;
};

} // namespace tarnwick::platform
