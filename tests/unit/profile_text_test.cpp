#include "storage/gbk_case.h"
#include "storage/profile_text.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(ProfileText, WritesBuildTheFileInOrder) {
    std::string text;
    text = withProfileValue(text, "启动热键", "热键", "F1");
    text = withProfileValue(text, "停止热键", "热键", "F2");
    text = withProfileValue(text, "启动热键", "备注", "x");
    text = withProfileValue(text, "启动热键", "热键", "F10");
    EXPECT_EQ(text, "[启动热键]\r\n热键=F10\r\n备注=x\r\n[停止热键]\r\n热键=F2\r\n");
}

TEST(ProfileText, EditsKeepEveryOtherByte) {
    const std::string original = "; note\r\n[a]\r\nk = old \r\n\r\n[b]\nz=1\n";
    EXPECT_EQ(withProfileValue(original, "A", "K", "new"),
              "; note\r\n[a]\r\nk=new\r\n\r\n[b]\nz=1\n");
    EXPECT_EQ(withProfileValue(original, "a", "n", "v"),
              "; note\r\n[a]\r\nk = old \r\nn=v\r\n\r\n[b]\nz=1\n");
    EXPECT_EQ(withProfileValue("[a]\r\nk=1", "a", "m", "2"), "[a]\r\nk=1\r\nm=2\r\n");
    EXPECT_EQ(withProfileValue("[a]\r\nk=1", "c", "m", "2"), "[a]\r\nk=1\r\n[c]\r\nm=2\r\n");
}

TEST(ProfileText, ReadsTheFirstMatchTrimmedAndUnquoted) {
    const std::string text = "[s]\r\n key = \"quoted value\" \r\nkey=second\r\n[S]\r\nother=1\r\n"
                             "[t]\r\nempty=\r\nbare\r\n";
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"s", "key", "quoted value"},
        {"S", "KEY", "quoted value"},
        {"s", "other", std::nullopt},
        {"t", "empty", ""},
        {"t", "bare", ""},
        {"u", "key", std::nullopt},
        {"t", "key", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profileValue(text, c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(GbkCase, LettersFoldWithoutBreakingDoubleByteCharacters) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Key", "kEY", true},
        {"热键", "热键", true},
        // Trail bytes in the ASCII letter range must not fold: 0x81 0x41 and 0x81 0x61 differ.
        {"\x81\x41", "\x81\x61", false},
        {"\xA3\xC1", "\xA3\xE1", true}, // full-width A and a
        {"\xA6\xA1", "\xA6\xC1", true}, // Greek alpha
        {"\xA7\xA1", "\xA7\xD1", true}, // Cyrillic a
        {"ab", "abc", false},
        {"a\x81", "A\x81", true}, // a lone lead byte at the end compares as a byte
    };
    for (const Case& c : cases)
        EXPECT_EQ(equalIgnoringCase(c.a, c.b), c.equal) << c.a << " vs " << c.b;
}

} // namespace
} // namespace tarnwick
