#include "platform/label.h"

#include "platform/win32.h"

namespace tarnwick::platform {

bool Label::create(Window& parent, const ControlArgs& args) {
    // A label sends no notifications, so it needs no identifier of its own.
    return createChild(parent, L"STATIC", SS_LEFT | SS_CENTERIMAGE, 0, args, 0xFFFF);
}

} // namespace tarnwick::platform
