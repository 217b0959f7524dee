#pragma once
// Pop-up menus of another process. Their items cannot be read from outside under wine, so a
// menu is driven the way a keyboard user does it: arrows to the item, then Enter, posted to
// the open menu window.
#include "driver/polling.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

// The visible pop-up menu window ("#32768"); null if none opens within the timeout.
HWND waitForPopupMenu(milliseconds timeout = defaultTimeout);
bool isPopupMenuOpen();
// Chooses the item at this 0-based place among the menu's selectable items.
void chooseMenuItem(HWND menu, int index);

} // namespace e2e
