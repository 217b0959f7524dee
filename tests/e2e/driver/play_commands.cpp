#include "driver/play_commands.h"

#include "driver/buttons.h"
#include "driver/keyboard.h"
#include "driver/tray.h"
#include "platform/win32.h"

namespace e2e {

namespace {

constexpr milliseconds settleTime = 250ms;

bool pressButtonOnRow(const MainWindow& window, int row, const wchar_t* caption,
                      const wchar_t* state) {
    const RemoteListView table = window.scriptTable();
    table.selectRow(row);
    HWND button = window.button(caption);
    // Selecting the row sets which of the two buttons is enabled.
    if (!waitUntil([&] { return IsWindowEnabled(button) != FALSE; }))
        return false;
    clickButton(button);
    return waitUntil([&] { return table.cellText(row, tableColumn::state) == state; });
}

} // namespace

bool enableScript(const MainWindow& window, int row) {
    return pressButtonOnRow(window, row, L"启动", L"启用");
}

bool disableScript(const MainWindow& window, int row) {
    return pressButtonOnRow(window, row, L"停用", L"停用");
}

int64_t pressHotkey(unsigned short virtualKey, const std::function<void()>& whileHeld) {
    std::this_thread::sleep_for(settleTime);
    const auto start = std::chrono::steady_clock::now();
    const int64_t down = performanceTicks();
    keyDown(virtualKey);
    if (whileHeld)
        whileHeld();
    std::this_thread::sleep_until(start + defaultKeyHold);
    keyUp(virtualKey);
    return down;
}

bool waitForRunToShow(const MainWindow& window, milliseconds timeout) {
    return waitUntil([&] { return !window.isVisible() && trayIcons().size() == 1; }, timeout);
}

bool waitForRunToEnd(const MainWindow& window, milliseconds timeout) {
    return waitUntil([&] { return window.isVisible() && trayIcons().empty(); }, timeout);
}

int64_t performanceTicks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

} // namespace e2e
