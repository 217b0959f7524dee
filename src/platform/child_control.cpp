#include "platform/child_control.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"
#include "platform/window.h"

namespace tarnwick::platform {

bool ChildControl::createChild(Window& parent, const wchar_t* windowClass, unsigned long style,
                               unsigned long exStyle, const ControlArgs& args, int id) {
    style |= WS_CHILD;
    if (args.visible)
        style |= WS_VISIBLE;
    if (!args.enabled)
        style |= WS_DISABLED;
    hwnd_ = CreateWindowExW(exStyle, windowClass, widen(args.caption).c_str(), style, args.x,
                            args.y, args.width, args.height, parent.handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    id_ = id;
    if (hwnd_)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Window::controlFont()), FALSE);
    return hwnd_ != nullptr;
}

void ChildControl::setEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool ChildControl::isEnabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}

void ChildControl::setText(const std::string& text) {
    SetWindowTextW(hwnd_, widen(text).c_str());
}

std::string windowText(HWND window) {
    std::wstring buffer(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    const int n = GetWindowTextW(window, buffer.data(), int(buffer.size()));
    buffer.resize(size_t(n > 0 ? n : 0));
    return narrow(buffer);
}

std::string ChildControl::text() const {
    return windowText(hwnd_);
}

} // namespace tarnwick::platform
