#pragma once
// Builds the bytes of a saved list (the catalogue or a step list) from its rows, written
// here by hand from the format rather than by the program's own codec, so a test that feeds
// them to the program also checks that the program reads the format.
#include <string>
#include <vector>

namespace e2e {

// One cell record per given cell (a short row gives fewer records), texts in code page 936,
// then the trailer "\0" per row.
std::string listFileBytes(const std::vector<std::vector<std::wstring>>& rows);

// UTF-16 to code page 936, the encoding of every text the program stores.
std::string gbk(const std::wstring& text);

} // namespace e2e
