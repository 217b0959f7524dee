#pragma once
// The skin's start-up: the library mapped from the program's own bytes at process start, then
// attached by the main window's creation handler. When the library does not load, the attach
// calls nothing and the windows keep their default look.
struct HWND__;
typedef HWND__* HWND;

namespace tarnwick {

// Once, before any window exists; the result needs no checking.
bool loadEmbeddedSkin();
// In the main window's creation handler, after the single-instance check: the skin data
// attached, then the main window's opacity set to 255.
void attachSkin(HWND mainWindow);

} // namespace tarnwick
