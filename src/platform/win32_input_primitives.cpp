#include "platform/win32_input_primitives.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"
#include "platform/win32_clipboard.h"
#include "platform/win32_precise_delay.h"
#include "player/delay_units.h"

#include <vector>

namespace tarnwick::platform {
namespace {

constexpr WPARAM wheelUpParam = 0x00780010;   // +120, middle-button flag
constexpr WPARAM wheelDownParam = 0xFF880010; // -120, middle-button flag
// Screen point (587, 385) for every notch, wherever the cursor is.
constexpr LPARAM wheelPointParam = 0x0181024B;
constexpr uint32_t keyUpBits = 0xC0000000; // previous state and transition set

struct ButtonFlags {
    DWORD down;
    DWORD up;
};

bool buttonFlags(int32_t button, ButtonFlags& flags) {
    if (button == 0 || button == mouse::left)
        flags = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    else if (button == mouse::right)
        flags = {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
    else
        return false;
    return true;
}

void mouseEvent(DWORD flag) {
    mouse_event(flag, 0, 0, 0, 0);
}

uint32_t scanCodeOf(int32_t code) {
    return MapVirtualKeyA(UINT(code), MAPVK_VK_TO_VSC) & 0xFF;
}

void postKeyMessage(HWND window, UINT message, int32_t code, uint32_t scan, uint32_t stateBits) {
    const uint32_t lParam = 1u | scan << 16 | stateBits;
    PostMessageW(window, message, WPARAM(uint32_t(code)), LPARAM(lParam));
}

int64_t area(const RECT& r) {
    return int64_t(r.bottom - r.top) * int64_t(r.right - r.left);
}

HWND toHwnd(WindowHandle w) {
    return reinterpret_cast<HWND>(std::uintptr_t(w));
}

} // namespace

void moveCursor(int32_t x, int32_t y, HWND window) {
    POINT origin{0, 0};
    if (window)
        ClientToScreen(window, &origin);
    SetCursorPos(origin.x + x, origin.y + y);
}

void clickButton(int32_t button, int32_t kind) {
    ButtonFlags flags;
    if (!buttonFlags(button, flags))
        return;
    switch (kind) {
    case 0:
    case mouse::click:
        mouseEvent(flags.down);
        mouseEvent(flags.up);
        break;
    case mouse::doubleClick:
        mouseEvent(flags.down);
        mouseEvent(flags.up);
        preciseDelay(int32_t(GetDoubleClickTime()), delay::milliseconds);
        mouseEvent(flags.down);
        mouseEvent(flags.up);
        break;
    case mouse::down:
        mouseEvent(flags.down);
        break;
    case mouse::up:
        mouseEvent(flags.up);
        break;
    default:
        break;
    }
}

void postWheel(HWND window, WheelDirection direction) {
    if (!window)
        window = GetDesktopWindow();
    PostMessageA(window, WM_MOUSEWHEEL,
                 direction == WheelDirection::up ? wheelUpParam : wheelDownParam, wheelPointParam);
}

void pasteText(HWND window, const std::string& text, bool replace) {
    const std::wstring saved = clipboardWideText();
    if (replace)
        setClipboardText(text);
    SendMessageA(window, WM_PASTE, 0, 0);
    setClipboardWideText(saved);
}

void postKey(HWND window, int32_t code, KeyKind kind) {
    const uint32_t scan = scanCodeOf(code);
    switch (kind) {
    case KeyKind::down:
        postKeyMessage(window, WM_KEYDOWN, code, scan, 0);
        break;
    case KeyKind::up:
        postKeyMessage(window, WM_KEYUP, code, scan, keyUpBits);
        break;
    case KeyKind::press:
        postKeyMessage(window, WM_KEYDOWN, code, scan, 0);
        postKeyMessage(window, WM_KEYUP, code, scan, keyUpBits);
        break;
    case KeyKind::character:
        postKeyMessage(window, WM_CHAR, code, scan, 0);
        break;
    }
}

void typeText(HWND window, const std::string& text) {
    if (text.empty())
        return;
    // c_str() carries the terminating zero, which is converted and posted too.
    const int units = MultiByteToWideChar(gbkCodePage, 0, text.c_str(), -1, nullptr, 0);
    if (units <= 0)
        return;
    std::vector<wchar_t> wide(static_cast<size_t>(units));
    MultiByteToWideChar(gbkCodePage, 0, text.c_str(), -1, wide.data(), units);
    for (wchar_t unit : wide)
        postKey(window, int32_t(uint16_t(unit)), KeyKind::character);
}

HWND windowUnderCursor() {
    POINT cursor;
    GetCursorPos(&cursor);
    HWND under = WindowFromPoint(cursor);
    if (!under)
        return nullptr;
    const HWND parent = GetParent(under);
    if (!parent)
        return under;
    HWND best = under;
    RECT rect;
    GetWindowRect(under, &rect);
    int64_t bestArea = area(rect);
    for (HWND w = GetWindow(under, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!GetWindowRect(w, &rect) || !PtInRect(&rect, cursor))
            continue;
        if (GetParent(w) == parent && IsWindowVisible(w) && area(rect) < bestArea) {
            best = w;
            bestArea = area(rect);
        }
    }
    return best;
}

void Win32InputPrimitives::moveCursor(int32_t x, int32_t y) {
    platform::moveCursor(x, y);
}
void Win32InputPrimitives::clickButton(int32_t button, int32_t kind) {
    platform::clickButton(button, kind);
}
void Win32InputPrimitives::postWheel(WindowHandle target, WheelDirection direction) {
    platform::postWheel(toHwnd(target), direction);
}
void Win32InputPrimitives::setClipboardText(const std::string& text) {
    platform::setClipboardText(text);
}
void Win32InputPrimitives::pasteText(WindowHandle target, const std::string& text, bool replace) {
    platform::pasteText(toHwnd(target), text, replace);
}
void Win32InputPrimitives::postKey(WindowHandle target, int32_t code, KeyKind kind) {
    platform::postKey(toHwnd(target), code, kind);
}
void Win32InputPrimitives::typeText(WindowHandle target, const std::string& text) {
    platform::typeText(toHwnd(target), text);
}
WindowHandle Win32InputPrimitives::windowUnderCursor() {
    return WindowHandle(reinterpret_cast<std::uintptr_t>(platform::windowUnderCursor()));
}

} // namespace tarnwick::platform
