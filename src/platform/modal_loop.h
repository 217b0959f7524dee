#pragma once
// Runs a window modally over its owner: the owner is disabled, the window shown centred on
// it, and the calling thread's messages are dispatched until the window is hidden.
#include "platform/handles.h"

namespace tarnwick::platform {

class Window;

void runModal(Window& window, HWND owner);

} // namespace tarnwick::platform
