#include "driver/popup_menu.h"

#include "driver/window_finding.h"
#include "platform/win32.h"

namespace e2e {

namespace {

HWND openPopupMenu() {
    for (HWND menu : topWindowsOfClass(L"#32768"))
        if (IsWindowVisible(menu))
            return menu;
    return nullptr;
}

void postKey(HWND menu, WPARAM key) {
    PostMessageW(menu, WM_KEYDOWN, key, 1);
    PostMessageW(menu, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

} // namespace

HWND waitForPopupMenu(milliseconds timeout) {
    return waitFor(openPopupMenu, timeout);
}

bool isPopupMenuOpen() {
    return openPopupMenu() != nullptr;
}

void chooseMenuItem(HWND menu, int index) {
    // A menu opened at the cursor has no item highlighted: the first Down highlights item 0.
    for (int i = 0; i <= index; ++i)
        postKey(menu, VK_DOWN);
    postKey(menu, VK_RETURN);
}

} // namespace e2e
