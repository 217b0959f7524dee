#include "driver/keyboard.h"

#include "platform/win32.h"

namespace e2e {

namespace {

void sendKey(unsigned short virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

} // namespace

void keyDown(unsigned short virtualKey) {
    sendKey(virtualKey, 0);
}

void keyUp(unsigned short virtualKey) {
    sendKey(virtualKey, KEYEVENTF_KEYUP);
}

void pressKey(unsigned short virtualKey, milliseconds hold) {
    keyDown(virtualKey);
    std::this_thread::sleep_for(hold);
    keyUp(virtualKey);
}

} // namespace e2e
