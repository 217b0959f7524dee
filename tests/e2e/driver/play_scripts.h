#pragma once
// Scripts laid out beside the program before it starts, as the editor would have saved them:
// the catalogue rows and each script's step file, in the list-file format.
#include <string>
#include <vector>

namespace e2e {

class TarnwickRun;

// One step row, its eight cells in column order; the defaults are the editor's placeholders.
struct StepRow {
    std::wstring position = {};
    std::wstring mouseAction = L"鼠标移动";
    std::wstring interval = L"0";
    std::wstring wheelAction = L"无事件";
    std::wstring wheelCount = L"0";
    std::wstring text = L"无内容";
    std::wstring key = L"无事件";
    std::wstring keyCount = L"1";
};

struct PreparedScript {
    std::wstring name;
    std::wstring hotkey = L"F1";
    std::wstring loops = L"1";
    std::wstring runTime = {}; // column 6, the scheduled run time
    std::vector<StepRow> steps = {};
};

// Writes the catalogue with one disabled row per script, in order, and every step file.
void prepareScripts(const TarnwickRun& run, const std::vector<PreparedScript>& scripts);

} // namespace e2e
