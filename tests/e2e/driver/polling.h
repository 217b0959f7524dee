#pragma once
// Everything the driver waits for is polled with short sleeps and a bounded timeout, so a
// test is as fast as the program it drives and a fault shows as a failure, never a hang.
// <thread> brings the durations; <chrono> itself does not compile with the GBK literals.
#include <thread>

namespace e2e {

using std::chrono::milliseconds;
using namespace std::chrono_literals;

inline constexpr milliseconds defaultTimeout = 5000ms;
inline constexpr milliseconds pollInterval = 10ms;

// Polls until the condition holds; false when the timeout passes first.
template <class Condition>
bool waitUntil(Condition condition, milliseconds timeout = defaultTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pollInterval);
    }
}

// Polls a lookup that gives an empty optional (or null) until it finds something.
template <class Lookup>
auto waitFor(Lookup lookup, milliseconds timeout = defaultTimeout) -> decltype(lookup()) {
    decltype(lookup()) found{};
    waitUntil([&] { return static_cast<bool>(found = lookup()); }, timeout);
    return found;
}

} // namespace e2e
