#pragma once
// The waits of one run. A timer returns a little late every time (under wine about 0.7 ms of
// each 100 ms wait); across a long script that adds up. So each wait is asked for its amount
// less what the wait before it overran, or plus what it came back early, and the run keeps
// to the sum of its waits. Only a timer's small error is made up: a wait whose timer came back
// more than `slackMicroseconds` off was held up, not late, and the waits after it keep their
// amounts rather than rush.
#include <cstdint>

namespace tarnwick {

class Waiter;

class RunPace {
  public:
    static constexpr int64_t slackMicroseconds = 2000;

    explicit RunPace(Waiter& waiter) : waiter_(waiter) {}
    // Returns at once for 0 or less.
    void wait(int32_t milliseconds);

  private:
    Waiter& waiter_;
    int64_t overrunMicroseconds_ = 0; // negative: the waits so far came back early
};

} // namespace tarnwick
