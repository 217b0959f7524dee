#include "player/delay_units.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarnwick {
namespace {

TEST(DelayDueTime, IsRelativeInHundredNanosecondsAndDueAtOnceForNothing) {
    struct Case {
        int32_t amount;
        int32_t unit;
        int64_t due;
    } cases[] = {
        {600, delay::milliseconds, -6000000},
        {2, delay::seconds, -20000000},
        {1, delay::minutes, -600000000},
        {1, delay::hours, -36000000000},
        {0, delay::milliseconds, 0},
        {-5, delay::milliseconds, 50000}, // an absolute moment long past
        {5, 4, 0},                        // unknown unit: nothing to wait
        {std::numeric_limits<int32_t>::max(), delay::hours, std::numeric_limits<int64_t>::min()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(delayDueTime(c.amount, c.unit), c.due) << c.amount << " in unit " << c.unit;
    }
}

} // namespace
} // namespace tarnwick
