#include "player/run_pace.h"

#include "player/waiter.h"

#include <algorithm>
#include <limits>

namespace tarnwick {

void RunPace::wait(int32_t milliseconds) {
    if (milliseconds <= 0)
        return;
    const int64_t wanted = int64_t(milliseconds) * 1000 - overrunMicroseconds_;
    // The timer takes whole milliseconds; what rounding leaves is made up by the next wait.
    if (wanted < 500) {
        overrunMicroseconds_ = -wanted;
        return;
    }
    const int64_t asked =
        std::min<int64_t>((wanted + 500) / 1000, std::numeric_limits<int32_t>::max());
    const int64_t start = waiter_.nowMicroseconds();
    waiter_.wait(int32_t(asked));
    const int64_t took = waiter_.nowMicroseconds() - start;
    // Judged by the timer's own error; what is made up also holds the rounding.
    const int64_t lateness = took - asked * 1000;
    const bool heldUp = lateness < -slackMicroseconds || lateness > slackMicroseconds;
    overrunMicroseconds_ = heldUp ? 0 : took - wanted;
}

} // namespace tarnwick
