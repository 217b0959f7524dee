#include "schedule/format_date_time.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tarnwick {
namespace {

struct PatternCase {
    const char* pattern;
    const char* expected;
};

void PrintTo(const PatternCase& c, std::ostream* out) {
    *out << '"' << c.pattern << '"';
}

class FormatDateTime : public ::testing::TestWithParam<PatternCase> {};

// 5 March 2024, 07:08:09: every field has one digit but the year.
TEST_P(FormatDateTime, OnFifthOfMarch) {
    const DateTime value{2024, 3, 5, 7, 8, 9};
    EXPECT_EQ(formatDateTime(value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, FormatDateTime,
                         ::testing::Values(PatternCase{"yyyy", "2024"},
                                           PatternCase{"yyyymdh", "2024357"},
                                           PatternCase{"ts", "89"},
                                           PatternCase{"yyyymmddhh", "2024030507"},
                                           PatternCase{"ttss", "0809"},
                                           PatternCase{"yy-mm-dd hh:tt:ss", "24-03-05 07:08:09"},
                                           PatternCase{"yyyy-m-d", "2024-3-5"}));

INSTANTIATE_TEST_SUITE_P(CountRules, FormatDateTime,
                         ::testing::Values(
                             // The count selects the token; letters apart or too many of them stay.
                             PatternCase{"m/m", "m/m"}, PatternCase{"mmm", "mmm"},
                             PatternCase{"dd.d", "dd.d"}, PatternCase{"yyyyy", "yyyyy"},
                             PatternCase{"y/m", "24/3"}, PatternCase{"yyy", "2024"},
                             // A letter left alone does not disturb the others.
                             PatternCase{"m/m d", "m/m 5"},
                             // Minutes are "t"; upper case and other characters pass through.
                             PatternCase{"h:t", "7:8"}, PatternCase{"HH:MM", "HH:MM"},
                             PatternCase{"tokens: a, b", "8oken9: a, b"},
                             PatternCase{"+-*/ 123", "+-*/ 123"}, PatternCase{"", ""}));

TEST(FormatDateTimeFields, TwoDigitFieldsAreNotPaddedFurther) {
    const DateTime value{2024, 12, 31, 23, 59, 58};
    EXPECT_EQ(formatDateTime(value, "mm dd hh tt ss"), "12 31 23 59 58");
    EXPECT_EQ(formatDateTime(value, "yyyymmddhh"), "2024123123");
    EXPECT_EQ(formatDateTime(value, "ttss"), "5958");
}

TEST(FormatDateTimeFields, ZeroFieldsAreOneZeroOrPaddedToTwo) {
    const DateTime value{2005, 1, 1, 0, 0, 0};
    EXPECT_EQ(formatDateTime(value, "yyyy-m-d h:t:s"), "2005-1-1 0:0:0");
    EXPECT_EQ(formatDateTime(value, "ttss"), "0000");
    EXPECT_EQ(formatDateTime(value, "yy"), "05");
}

} // namespace
} // namespace tarnwick
