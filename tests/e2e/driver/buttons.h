#pragma once
// Pressing a button of another process without moving the mouse.
struct HWND__;
typedef HWND__* HWND;

namespace e2e {

// Posts the click, so a handler that opens a modal window does not block the test.
void clickButton(HWND button);

} // namespace e2e
