#include "driver/editor_settings_file.h"

#include "platform/win32.h"

#include <sstream>

namespace e2e {

namespace {

std::wstring fromGbk(const std::string& bytes) {
    if (bytes.empty())
        return {};
    const int size =
        MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

std::string utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const ProfileValue& value) {
    return out << "[" << utf8(value.section) << "] " << utf8(value.key) << "=" << utf8(value.value);
}

std::vector<ProfileValue> profileValues(const std::string& bytes) {
    std::vector<ProfileValue> values;
    std::wstring section;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = fromGbk(line.substr(1, line.size() - 2));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            values.push_back(
                {section, fromGbk(line.substr(0, equals)), fromGbk(line.substr(equals + 1))});
    }
    return values;
}

} // namespace e2e
