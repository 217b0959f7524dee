#include "driver/schedule_commands.h"

#include "driver/buttons.h"
#include "driver/mouse.h"
#include "driver/popup_menu.h"
#include "driver/remote_memory.h"
#include "driver/send_message.h"
#include "driver/window_finding.h"
#include "platform/win32.h"

#include <commctrl.h>

namespace e2e {

namespace {

SYSTEMTIME systemTimeOf(const LocalTime& t) {
    SYSTEMTIME s{};
    s.wYear = static_cast<WORD>(t.year);
    s.wMonth = static_cast<WORD>(t.month);
    s.wDay = static_cast<WORD>(t.day);
    s.wHour = static_cast<WORD>(t.hour);
    s.wMinute = static_cast<WORD>(t.minute);
    s.wSecond = static_cast<WORD>(t.second);
    return s;
}

int64_t hundredNanoseconds(const SYSTEMTIME& time) {
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return static_cast<int64_t>((static_cast<uint64_t>(file.dwHighDateTime) << 32) |
                                file.dwLowDateTime);
}

// Two right clicks on one spot within the double-click time make a double click, which opens
// no menu.
std::chrono::steady_clock::time_point lastRightClick;

void waitOutDoubleClickTime() {
    std::this_thread::sleep_until(lastRightClick + milliseconds(GetDoubleClickTime() + 50));
}

} // namespace

bool chooseFromListMenu(const MainWindow& window, int row, ListMenuItem item) {
    waitOutDoubleClickTime();
    click(window.scriptTable().rowCentre(row), MouseButton::right);
    lastRightClick = std::chrono::steady_clock::now();
    HWND menu = waitForPopupMenu();
    if (!menu)
        return false;
    chooseMenuItem(menu, static_cast<int>(item));
    return waitUntil([] { return !isPopupMenuOpen(); });
}

ComingSecond secondsFromNow(int seconds) {
    SYSTEMTIME now{};
    LARGE_INTEGER ticks, frequency;
    GetLocalTime(&now);
    QueryPerformanceCounter(&ticks);
    QueryPerformanceFrequency(&frequency);

    SYSTEMTIME wholeSecond = now;
    wholeSecond.wMilliseconds = 0;
    const int64_t due = hundredNanoseconds(wholeSecond) + int64_t{seconds} * 10'000'000;
    const int64_t ahead = due - hundredNanoseconds(now);
    FILETIME dueFile{static_cast<DWORD>(due), static_cast<DWORD>(due >> 32)};
    SYSTEMTIME dueTime{};
    FileTimeToSystemTime(&dueFile, &dueTime);
    return {{dueTime.wYear, dueTime.wMonth, dueTime.wDay, dueTime.wHour, dueTime.wMinute,
             dueTime.wSecond},
            ticks.QuadPart + ahead * frequency.QuadPart / 10'000'000};
}

bool setPickerTime(HWND setTimeWindow, const LocalTime& time) {
    HWND picker = nullptr;
    for (HWND found : descendantsOfClass(setTimeWindow, DATETIMEPICK_CLASSW))
        picker = found;
    if (!picker)
        return false;
    RemoteMemory remote(picker, sizeof(SYSTEMTIME));
    remote.write(0, systemTimeOf(time));
    return sendWithTimeout(picker, DTM_SETSYSTEMTIME, GDT_VALID, remote.address()).value_or(0) != 0;
}

bool pressSetTimeOk(HWND setTimeWindow) {
    HWND ok = findDescendant(setTimeWindow, L"Button", L"确 定");
    if (!ok)
        return false;
    clickButton(ok);
    return waitUntil([&] { return !IsWindow(setTimeWindow) || !IsWindowVisible(setTimeWindow); });
}

} // namespace e2e
