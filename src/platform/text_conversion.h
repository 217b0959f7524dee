#pragma once
// GBK (code page 936) inside, UTF-16 at the W call. Independent of the system's code page.
#include <string>
#include <string_view>

namespace tarnwick::platform {

inline constexpr unsigned gbkCodePage = 936;

std::wstring widen(std::string_view gbk);
std::string narrow(std::wstring_view wide);

} // namespace tarnwick::platform
