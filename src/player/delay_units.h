#pragma once
// The amounts the precise wait accepts and the timer due time they give.
#include <cstdint>

namespace tarnwick {

namespace delay {
inline constexpr int32_t milliseconds = 0;
inline constexpr int32_t seconds = 1;
inline constexpr int32_t minutes = 2;
inline constexpr int32_t hours = 3;
} // namespace delay

// Relative due time in 100 ns units (negative); 0 or more means "already due", which is what
// an amount of 0 or less, or an unknown unit, gives. Held at the 64-bit limit.
int64_t delayDueTime(int32_t amount, int32_t unit);

} // namespace tarnwick
