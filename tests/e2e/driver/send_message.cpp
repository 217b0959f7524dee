#include "driver/send_message.h"

#include "driver/polling.h"
#include "platform/win32.h"

namespace e2e {

std::optional<intptr_t> sendWithTimeout(HWND window, unsigned message, uintptr_t wParam,
                                        intptr_t lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(defaultTimeout.count()), &result))
        return std::nullopt;
    return static_cast<intptr_t>(result);
}

} // namespace e2e
