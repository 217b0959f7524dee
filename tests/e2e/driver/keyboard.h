#pragma once
// Real key presses through the system's input queue (SendInput), seen by the focused window
// and by programs that poll the key state.
#include "driver/polling.h"

namespace e2e {

// Long enough for a program that polls every 10 ms to see the key down.
inline constexpr milliseconds defaultKeyHold = 60ms;

void keyDown(unsigned short virtualKey);
void keyUp(unsigned short virtualKey);
void pressKey(unsigned short virtualKey, milliseconds hold = defaultKeyHold);

} // namespace e2e
