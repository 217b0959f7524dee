#pragma once
// One step of a script: eight text cells, the same in the editor's step list, in the step
// file and in the playback list. The editor writes steps, the player reads them; this is
// the layout and vocabulary both agree on. Cells stay text everywhere.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

class DataPaths;
class FileSystem;
class ListTable;

namespace step {

enum Column : int {
    position = 0, // "x,y"
    mouseAction = 1,
    interval = 2, // milliseconds before the mouse part and before each key press
    wheelAction = 3,
    wheelCount = 4,
    text = 5,
    key = 6, // virtual-key code as decimal text
    keyCount = 7,
};
inline constexpr int columnCount = 8;

struct ColumnLook {
    const char* title;
    int width;
};
// The step list's titles and widths; the key count is carried but never shown.
inline constexpr std::array<ColumnLook, columnCount> stepListColumns{{
    {"坐标位置", 70},
    {"脚本事件", 60},
    {"间隔时间", 60},
    {"滚轮事件", 60},
    {"滚动次数", 70},
    {"输入内容", 60},
    {"键盘事件", 60},
    {"按下次数", 0},
}};
// The never-shown playback list: the step columns under its own titles, plus one that no step
// file fills.
inline constexpr int playbackColumnCount = 9;
inline constexpr std::array<const char*, playbackColumnCount> playbackListTitles{
    "坐标位置", "脚本事件", "间隔时间", "鼠标事件", "滚动次数",
    "输入内容", "键盘事件", "按下次数", "完成"};

// The mouse-action drop-down, in its order; a tenth, empty entry follows these nine and plays
// as a plain move.
inline constexpr std::array<const char*, 9> mouseActionNames{"鼠标移动", "左键单击", "左键双击",
                                                             "左键按住", "左键松开", "右键单击",
                                                             "右键双击", "右键按住", "右键松开"};
inline constexpr int emptyMouseActionIndex = 9;
inline constexpr const char* mouseMove = mouseActionNames[0];

inline constexpr std::array<const char*, 3> wheelActionNames{"上滚动", "下滚动", "无事件"};
inline constexpr const char* wheelUp = wheelActionNames[0];
inline constexpr const char* wheelDown = wheelActionNames[1];

// The mouse-action drop-down's entries: the nine names and the empty tenth.
std::vector<std::string> mouseActionEntries();

// The drop-down entry that shows the cell's text, or -1 when no entry does.
int mouseActionIndex(std::string_view name);
int wheelActionIndex(std::string_view name);

} // namespace step

struct ScriptStep {
    std::array<std::string, step::columnCount> cells;

    const std::string& operator[](step::Column c) const { return cells[size_t(c)]; }
    std::string& operator[](step::Column c) { return cells[size_t(c)]; }
    bool operator==(const ScriptStep&) const = default;

    // The values a new step's fields start with; the position comes from the cursor.
    static ScriptStep withDefaults(std::string position);
};

// The step's cells in the row; a row the table does not have reads as empty cells.
ScriptStep readStep(const ListTable& table, int row);
// Returns the new row's index.
int appendStep(ListTable& table, const ScriptStep& step);
void writeStep(ListTable& table, int row, const ScriptStep& step);

// data\<name>\<name>.dat, in the list-file format; silent on failure like every save.
void saveStepFile(const ListTable& steps, const DataPaths& paths, const std::string& name,
                  FileSystem& files);
// Replaces the table's rows; a missing file leaves it empty.
void loadStepFile(ListTable& steps, const DataPaths& paths, const std::string& name,
                  FileSystem& files);

} // namespace tarnwick
