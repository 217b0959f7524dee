#include "driver/tray.h"

#include "driver/window_geometry.h"
#include "platform/win32.h"

#include <algorithm>

namespace e2e {

std::vector<HWND> trayIcons() {
    std::vector<HWND> icons;
    HWND tray = FindWindowW(nullptr, L"Wine System Tray");
    if (!tray || !IsWindowVisible(tray))
        return icons;
    for (HWND child = GetWindow(tray, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            icons.push_back(child);
    std::sort(icons.begin(), icons.end(),
              [](HWND a, HWND b) { return screenRect(a).x < screenRect(b).x; });
    return icons;
}

bool waitForTrayIconCount(size_t count, milliseconds timeout) {
    return waitUntil([count] { return trayIcons().size() == count; }, timeout);
}

} // namespace e2e
