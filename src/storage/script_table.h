#pragma once
// The script list: one row per script, eight text columns.
#include <array>

namespace tarnwick {

namespace scriptColumn {
enum : int {
    identifier = 0, // the hotkey binding's identifier while enabled; hidden
    name = 1,
    startHotkey = 2,
    loopCount = 3,
    state = 4, // "启用" or "停用"
    armed = 5, // "√" while a scheduled run is armed
    runTime = 6,
    done = 7, // "√" after the scheduled run has played
};
inline constexpr int count = 8;
} // namespace scriptColumn

struct ColumnLayout {
    const char* title;
    int width;
    bool centred;
};

inline constexpr std::array<ColumnLayout, scriptColumn::count> scriptTableLayout = {{
    {"", 0, false},
    {"名称", 120, false},
    {"执行挂起", 60, true},
    {"执行次数", 60, true},
    {"状态", 60, true},
    {"定时", 40, true},
    {"执行时间", 150, false},
    {"完成", 40, true},
}};

} // namespace tarnwick
