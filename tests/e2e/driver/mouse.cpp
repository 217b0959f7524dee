#include "driver/mouse.h"

#include "driver/polling.h"
#include "platform/win32.h"

namespace e2e {

namespace {

// Lets the window under the cursor see the pointer arrive before the buttons move.
constexpr milliseconds settleTime = 50ms;

void sendButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}

void pressAndRelease(MouseButton button) {
    const bool left = button == MouseButton::left;
    sendButton(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
    sendButton(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
}

} // namespace

void moveCursor(Point point) {
    SetCursorPos(point.x, point.y);
    std::this_thread::sleep_for(settleTime);
}

Point cursorPosition() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

void click(Point point, MouseButton button) {
    moveCursor(point);
    pressAndRelease(button);
}

void doubleClick(Point point) {
    moveCursor(point);
    pressAndRelease(MouseButton::left);
    pressAndRelease(MouseButton::left);
}

} // namespace e2e
