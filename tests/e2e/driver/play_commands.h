#pragma once
// Playing scripts as a user does: the Start and Stop buttons on a selected row, a hotkey
// press, and the run as it shows from outside (the main window hidden, a tray icon instead).
#include <cstdint>
#include <functional>

#include "driver/main_window.h"
#include "driver/polling.h"

namespace e2e {

namespace tableColumn {
inline constexpr int binding = 0;
inline constexpr int name = 1;
inline constexpr int hotkey = 2;
inline constexpr int loops = 3;
inline constexpr int state = 4;
inline constexpr int armed = 5;
inline constexpr int runTime = 6;
inline constexpr int done = 7;
} // namespace tableColumn

// Select the row and press "启动" / "停用"; true once column 4 shows the new state.
bool enableScript(const MainWindow& window, int row);
bool disableScript(const MainWindow& window, int row);

// Waits a fixed settle time, so the press is not lost to wine's key-state reset after the
// cursor moved, then presses the key. Gives the QueryPerformanceCounter ticks at the
// moment the key went down. whileHeld runs as soon as the key is down; the key goes up once it
// has returned and the hold has passed (the reaction benchmark times the run from there).
int64_t pressHotkey(unsigned short virtualKey, const std::function<void()>& whileHeld = {});

// A run shows as the main window hidden and one tray icon; its end as the reverse.
bool waitForRunToShow(const MainWindow& window, milliseconds timeout = defaultTimeout);
bool waitForRunToEnd(const MainWindow& window, milliseconds timeout = defaultTimeout);

int64_t performanceTicks();

} // namespace e2e
