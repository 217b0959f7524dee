#include "platform/cursor_position.h"

#include "platform/win32.h"

namespace tarnwick::platform {

ScreenPosition cursorPosition() {
    POINT p{};
    GetCursorPos(&p);
    return {int(p.x), int(p.y)};
}

} // namespace tarnwick::platform
