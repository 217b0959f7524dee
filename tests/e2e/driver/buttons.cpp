#include "driver/buttons.h"

#include "platform/win32.h"

namespace e2e {

void clickButton(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

} // namespace e2e
