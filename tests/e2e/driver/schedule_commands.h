#pragma once
// Scheduling a script as a user does: the script list's menu "列表操作" on a row, and the
// "设置时间" window with its date-time picker and OK button.
#include <cstdint>

#include "driver/main_window.h"
#include "driver/polling.h"

namespace e2e {

enum class ListMenuItem { setRunTime = 0, arm = 1, disarm = 2, clearAll = 3 };

// Right-clicks the row and chooses the item; false if the menu does not open or close.
bool chooseFromListMenu(const MainWindow& window, int row, ListMenuItem item);

// Local date and time, as the picker shows it.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The local time this many whole seconds from now, its milliseconds dropped, and the
// QueryPerformanceCounter ticks at which that second begins.
struct ComingSecond {
    LocalTime time;
    int64_t ticks = 0;
};
ComingSecond secondsFromNow(int seconds);

inline constexpr wchar_t setTimeCaption[] = L"设置时间";

// Sets the picker of the "设置时间" window with its own message, as a pick by hand would.
bool setPickerTime(HWND setTimeWindow, const LocalTime& time);
// Presses "确 定"; true once the window has gone.
bool pressSetTimeOk(HWND setTimeWindow);

} // namespace e2e
