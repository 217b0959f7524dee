#pragma once
// The one way the player lets time pass, so tests can run it in virtual time. The Win32
// waiter is the waitable-timer wait that keeps the thread's messages dispatched.
#include <cstdint>

namespace tarnwick {

class Waiter {
  public:
    virtual ~Waiter() = default;
    // Returns at once for 0 or less.
    virtual void wait(int32_t milliseconds) = 0;
    // A steady clock, finer than the waits, for telling how late a wait came back.
    virtual int64_t nowMicroseconds() = 0;
};

} // namespace tarnwick
