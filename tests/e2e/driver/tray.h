#pragma once
// The notification area as wine shows it without a tray host: a "Wine System Tray" window at
// the screen's top left, owned by wine's explorer, with one small child window per icon. A
// real click on that child reaches the icon owner's callback message as on Windows. An icon
// whose owner has ended goes away, so the icons shown are those of the programs running.
#include <string>
#include <vector>

#include "driver/polling.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

// The visible icon windows, left to right; empty when no icon is shown.
std::vector<HWND> trayIcons();
// Waits until exactly this many icons are shown; false on timeout.
bool waitForTrayIconCount(size_t count, milliseconds timeout = defaultTimeout);
// The icon's tip, read from the tool tip that serves the icon window.
std::wstring trayIconTip(HWND icon);

} // namespace e2e
