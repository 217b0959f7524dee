#include "app/script_name_rules.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(ShareFolderTest, NamesDifferingOnlyInLetterCaseShareOneFolder) {
    struct Case {
        const char* a;
        const char* b;
        bool shared;
    };
    const Case cases[] = {
        {"abc", "abc", true},
        {"abc", "ABC", true},
        {"Tab-1", "tAB-1", true},
        {"abc", "abd", false},
        {"abc", "abc1", false},
        {"ａｂ", "ＡＢ", true}, // full-width Latin
        {"αω", "ΑΩ", true},     // Greek
        {"яё", "ЯЁ", true},     // Cyrillic, Ё included
        {"运行", "运行", true},
        {"运行", "退出", false},
        // The second byte of a double-byte character is no letter, even with a letter's value:
        // 8A 61 and 8A 41 are two different characters.
        {"\x8A\x61", "\x8A\x41", false},
        {"ａ", "a", false}, // full-width and plain letters are different names
    };
    for (const Case& c : cases)
        EXPECT_EQ(shareFolder(c.a, c.b), c.shared) << c.a << " / " << c.b;
}

} // namespace
} // namespace tarnwick
