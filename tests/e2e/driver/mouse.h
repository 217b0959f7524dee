#pragma once
// Real mouse input through the system's input queue: the cursor is moved there first, and
// the events reach whatever window is under it, as a user's clicks do.
#include "driver/window_geometry.h"

namespace e2e {

enum class MouseButton { left, right };

void moveCursor(Point point);
Point cursorPosition();
void click(Point point, MouseButton button = MouseButton::left);
void doubleClick(Point point);

} // namespace e2e
