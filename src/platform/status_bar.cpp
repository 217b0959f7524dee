#include "platform/status_bar.h"

#include "platform/win32.h"

#include <commctrl.h>

namespace tarnwick::platform {

bool StatusBar::create(Window& parent) {
    // The bar places and sizes itself; it sends nothing the program acts on.
    return createChild(parent, STATUSCLASSNAMEW, 0, 0, {}, 0xFFFF);
}

} // namespace tarnwick::platform
