#include "platform/text_conversion.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

struct ConversionCase {
    const char* gbk;
    const wchar_t* utf16;
};

// Independent of the system's code page: these must hold under any locale.
TEST(TextConversion, GbkAndUtf16RoundTrip) {
    const ConversionCase cases[] = {
        {"", L""},
        {"abc", L"abc"},
        {"\xCD\xA3\xD3\xC3", L"\u505C\u7528"}, // 停用
        {"\xA1\xC1", L"\u00D7"},               // ×
        {"\xA1\xCC", L"\u221A"},               // √
        {"F1\xC8\xCE\xCE\xF1", L"F1\u4EFB\u52A1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(widen(c.gbk), std::wstring(c.utf16)) << c.gbk;
        EXPECT_EQ(narrow(c.utf16), std::string(c.gbk)) << c.gbk;
    }
}

TEST(TextConversion, LiteralsAreCompiledAsGbk) {
    EXPECT_EQ(std::string("停用"), std::string("\xCD\xA3\xD3\xC3"));
}

} // namespace
} // namespace tarnwick::platform
