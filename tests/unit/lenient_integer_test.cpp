#include "storage/lenient_integer.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarnwick {
namespace {

TEST(LenientInteger, ReadsBlanksSignAndLeadingDigits) {
    constexpr int32_t max = std::numeric_limits<int32_t>::max();
    constexpr int32_t min = std::numeric_limits<int32_t>::min();
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"   ", 0},
        {"600", 600},
        {"  42ms", 42},
        {"\t 3", 3},
        {"-7", -7},
        {"+5", 5},
        {"- 5", 0},
        {"--5", 0},
        {"0x10", 0},
        {"1,2", 1},
        {"１２", 12},  // full-width digits
        {"1２3", 123}, // mixed
        {"-３", -3},
        {"\xA3", 0},     // a lead byte cut off at the end
        {"\xA3\xBA", 0}, // full-width colon, not a digit
        {"2147483647", max},
        {"-2147483648", min},
        {"2147483648", max},
        {"99999999999999999999", max},
        {"-99999999999999999999", min},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lenientInteger(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace tarnwick
