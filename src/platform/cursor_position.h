#pragma once
// Where the mouse cursor is, in screen pixels.
namespace tarnwick::platform {

struct ScreenPosition {
    int x = 0;
    int y = 0;
};

ScreenPosition cursorPosition();

} // namespace tarnwick::platform
