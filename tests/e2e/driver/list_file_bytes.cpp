#include "driver/list_file_bytes.h"

#include "platform/win32.h"

namespace e2e {

namespace {

// Image index -1, state image index -1, indent 0, item value 0.
const std::string recordHead("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\0\0\0\0\0\0\0\0", 16);

} // namespace

std::string gbk(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::string listFileBytes(const std::vector<std::vector<std::wstring>>& rows) {
    std::string bytes;
    for (const auto& row : rows) {
        for (size_t column = 0; column < row.size(); ++column) {
            bytes += column == 0 ? '\x00' : '\x01';
            bytes += recordHead;
            bytes += gbk(row[column]);
            bytes += std::string(2, '\0');
        }
    }
    for (size_t i = 0; i < rows.size(); ++i)
        bytes += "\\0";
    return bytes;
}

} // namespace e2e
