#include "platform/tray_icon.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"
#include "platform/window.h"

#include <shellapi.h>

#include <cwchar>

namespace tarnwick::platform {
namespace {

constexpr UINT iconId = 1;

NOTIFYICONDATAW iconData(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = iconId;
    return data;
}

} // namespace

TrayIcon::TrayIcon(Window& owner) : owner_(owner) {
    callbackMessage_ = owner.addMessageHandler([this](uintptr_t, intptr_t lParam) {
        if (!onEvent)
            return;
        switch (LOWORD(lParam)) {
        case WM_LBUTTONUP:
            onEvent(1);
            break;
        case WM_LBUTTONDBLCLK:
            onEvent(2);
            break;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
            onEvent(3);
            break;
        default:
            break;
        }
    });
}

void TrayIcon::show(const std::string& tip) {
    NOTIFYICONDATAW data = iconData(owner_.handle());
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    const std::wstring wideTip = widen(tip);
    wcsncpy(data.szTip, wideTip.c_str(), sizeof data.szTip / sizeof data.szTip[0] - 1);
    if (shown_.exchange(true))
        Shell_NotifyIconW(NIM_DELETE, &data);
    Shell_NotifyIconW(NIM_ADD, &data);
}

void TrayIcon::remove() {
    if (!shown_.exchange(false))
        return;
    NOTIFYICONDATAW data = iconData(owner_.handle());
    Shell_NotifyIconW(NIM_DELETE, &data);
}

} // namespace tarnwick::platform
