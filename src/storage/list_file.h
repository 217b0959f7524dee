#pragma once
// The byte format every list is saved in: one cell record per cell, row by row, then a
// trailer of "\<item value>" per row. No header, no counts, no version.
#include <string>
#include <string_view>

namespace tarnwick {

class FileSystem;
class ListTable;

std::string encodeList(const ListTable& table);
// Replaces the table's rows by the complete records in the bytes; stops at the first
// incomplete record, so a cut file loses only its last cell.
void decodeList(std::string_view bytes, ListTable& table);
// Resets what must not survive a restart: bindings in column 0, the enabled state and the
// schedule marks in columns 4, 5 and 7.
void normaliseRows(ListTable& table);

// Silent on failure, as every save of the program is: an empty path or a missing folder
// writes nothing.
void saveList(const ListTable& table, const std::string& path, FileSystem& files);
// A missing or unreadable file gives a table with no rows.
void loadList(ListTable& table, const std::string& path, FileSystem& files);

} // namespace tarnwick
