#include "storage/list_file.h"

#include "storage/file_system.h"
#include "storage/list_table.h"
#include "storage/marks.h"

#include <cstring>

namespace tarnwick {
namespace {

constexpr size_t headSize = 17;
constexpr char rowMarker = 0x00;
constexpr char cellMarker = 0x01;
// Image index -1, state image index -1, indent 0, item value 0.
constexpr char recordHead[16] = {'\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF',
                                 0,      0,      0,      0,      0,      0,      0,      0};

int32_t readInt32(const char* p) {
    uint32_t v = uint32_t(uint8_t(p[0])) | uint32_t(uint8_t(p[1])) << 8 |
                 uint32_t(uint8_t(p[2])) << 16 | uint32_t(uint8_t(p[3])) << 24;
    return int32_t(v);
}

} // namespace

std::string encodeList(const ListTable& table) {
    std::string out;
    std::string trailer;
    const int rows = table.rowCount();
    for (int r = 0; r < rows; ++r) {
        const int columns = table.columnCount();
        for (int c = 0; c < columns; ++c) {
            if (c == 0) {
                trailer += '\\';
                trailer += std::to_string(table.itemValue(r));
            }
            const std::string text = table.cellText(r, c);
            out += c == 0 ? rowMarker : cellMarker;
            out.append(recordHead, sizeof recordHead);
            out += text;
            out.append(2, '\0');
        }
    }
    out += trailer;
    return out;
}

void decodeList(std::string_view bytes, ListTable& table) {
    table.removeAllRows();
    const char* const begin = bytes.data();
    const size_t size = bytes.size();
    const int columns = table.columnCount();
    int lastRow = -1;
    int column = 0;
    size_t pos = 0;
    while (pos < size) {
        if (size - pos < headSize)
            break;
        const char* text = begin + pos + headSize;
        const size_t left = size - pos - headSize;
        const char* textEnd = static_cast<const char*>(std::memchr(text, 0, left));
        if (!textEnd)
            break;
        const size_t afterText = size_t(textEnd - begin) + 1;
        const char* second = begin + afterText;
        const char* secondEnd = static_cast<const char*>(std::memchr(second, 0, size - afterText));
        if (!secondEnd)
            break;
        const char* head = begin + pos;
        const std::string cell(text, size_t(textEnd - text));
        if (head[0] == rowMarker) {
            RowHead row;
            row.indent = readInt32(head + 9);
            row.itemValue = readInt32(head + 13);
            lastRow = table.appendRow(cell, row);
            column = 0;
        } else {
            ++column;
            if (lastRow >= 0 && column < columns)
                table.setCellText(lastRow, column, cell);
        }
        pos = size_t(secondEnd - begin) + 1;
    }
}

void normaliseRows(ListTable& table) {
    const int columns = table.columnCount();
    auto set = [&](int row, int column, const char* text) {
        if (column < columns)
            table.setCellText(row, column, text);
    };
    const int rows = table.rowCount();
    for (int r = 0; r < rows; ++r) {
        const std::string state = table.cellText(r, 4);
        if (table.cellText(r, 0).find(',') == std::string::npos)
            set(r, 0, "");
        if (state == marks::enabled) {
            set(r, 4, marks::disabled);
            set(r, 5, marks::no);
        } else if (state == marks::disabled) {
            set(r, 5, marks::no);
            set(r, 7, marks::no);
        }
    }
}

void saveList(const ListTable& table, const std::string& path, FileSystem& files) {
    if (path.empty())
        return;
    files.replaceFile(path, encodeList(table));
}

void loadList(ListTable& table, const std::string& path, FileSystem& files) {
    const std::string bytes = files.readFile(path).value_or(std::string());
    decodeList(bytes, table);
    normaliseRows(table);
}

} // namespace tarnwick
