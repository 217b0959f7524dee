#pragma once
// The list lookup every command that finds a row by its text uses.
#include <string_view>

namespace tarnwick {

class ListTable;

// The first row whose cell in the column equals the text byte for byte, or -1.
int findRow(const ListTable& table, int column, std::string_view text);

} // namespace tarnwick
