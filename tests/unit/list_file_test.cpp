#include "fakes/memory_file_system.h"
#include "storage/list_file.h"
#include "storage/memory_table.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(ListFile, TwoColumnExampleIsFortyTwoBytes) {
    MemoryTable table(2);
    table.appendRow("ab", {});
    const std::string expected = std::string("\x00", 1) + std::string(8, '\xFF') +
                                 std::string(8, '\0') + "ab" + std::string(2, '\0') + "\x01" +
                                 std::string(8, '\xFF') + std::string(8, '\0') +
                                 std::string(2, '\0') + "\\0";
    EXPECT_EQ(encodeList(table), expected);
    EXPECT_EQ(expected.size(), 42u);
}

} // namespace
} // namespace tarnwick
