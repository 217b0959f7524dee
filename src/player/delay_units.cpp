#include "player/delay_units.h"

#include <limits>

namespace tarnwick {
namespace {

double millisecondsPerUnit(int32_t unit) {
    switch (unit) {
    case delay::milliseconds:
        return 1;
    case delay::seconds:
        return 1000;
    case delay::minutes:
        return 60000;
    case delay::hours:
        return 3600000;
    default:
        return 0;
    }
}

} // namespace

int64_t delayDueTime(int32_t amount, int32_t unit) {
    const double due = double(amount) * millisecondsPerUnit(unit) * -10000.0;
    // Hours in the billions exceed 64 bits; converting those would be undefined.
    constexpr double lowest = double(std::numeric_limits<int64_t>::min());
    if (due <= lowest)
        return std::numeric_limits<int64_t>::min();
    return int64_t(due);
}

} // namespace tarnwick
