#include "platform/text_conversion.h"

#include "platform/win32.h"

namespace tarnwick::platform {

std::wstring widen(std::string_view gbk) {
    if (gbk.empty())
        return {};
    const int n = MultiByteToWideChar(gbkCodePage, 0, gbk.data(), int(gbk.size()), nullptr, 0);
    std::wstring out(size_t(n), L'\0');
    MultiByteToWideChar(gbkCodePage, 0, gbk.data(), int(gbk.size()), out.data(), n);
    return out;
}

std::string narrow(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int n = WideCharToMultiByte(gbkCodePage, 0, wide.data(), int(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(gbkCodePage, 0, wide.data(), int(wide.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

} // namespace tarnwick::platform
