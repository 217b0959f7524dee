#include "schedule/run_time_text.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(RunTimeText, IsWrittenWithoutLeadingZeros) {
    EXPECT_EQ(runTimeText({2024, 3, 5, 9, 7, 0}), "2024-3-5 9:7:0");
    EXPECT_EQ(runTimeText({2024, 12, 31, 23, 59, 59}), "2024-12-31 23:59:59");
}

TEST(RunTimeText, ReadsBackWhatItWrites) {
    for (const DateTime value : {DateTime{2024, 3, 5, 9, 7, 0}, DateTime{2024, 2, 29, 0, 0, 0},
                                 DateTime{1999, 12, 31, 23, 59, 59}})
        EXPECT_EQ(parseRunTimeText(runTimeText(value)), value) << runTimeText(value);
}

TEST(RunTimeText, AcceptsLeadingZeros) {
    EXPECT_EQ(parseRunTimeText("2024-03-05 09:07:00"), (DateTime{2024, 3, 5, 9, 7, 0}));
}

TEST(RunTimeText, RefusesWhatIsNotADateAndTime) {
    for (const char* text :
         {"", "2024-3-5", "2024-3-5 9:7", "2024-3-5 9:7:0 ", " 2024-3-5 9:7:0", "2024-3-5  9:7:0",
          "2024/3/5 9:7:0", "2024-13-5 9:7:0", "2024-0-5 9:7:0", "2023-2-29 9:7:0",
          "2024-4-31 9:7:0", "2024-3-5 24:0:0", "2024-3-5 9:60:0", "2024-3-5 9:7:60", "0-3-5 9:7:0",
          "20245-3-5 9:7:0", "2024-3-5 9:7:0x", "-2024-3-5 9:7:0"})
        EXPECT_FALSE(parseRunTimeText(text)) << '"' << text << '"';
}

} // namespace
} // namespace tarnwick
