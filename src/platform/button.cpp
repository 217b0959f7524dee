#include "platform/button.h"

#include "platform/win32.h"
#include "platform/window.h"

namespace tarnwick::platform {

bool Button::create(Window& parent, const ControlArgs& args) {
    const int id = parent.addCommandHandler([this](int code) {
        if (code == BN_CLICKED && onClick)
            onClick();
    });
    return createChild(parent, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, args, id);
}

bool GroupBox::create(Window& parent, const ControlArgs& args) {
    // A group box sends no notifications, so it needs no identifier of its own.
    return createChild(parent, L"BUTTON", BS_GROUPBOX, 0, args, 0xFFFF);
}

} // namespace tarnwick::platform
