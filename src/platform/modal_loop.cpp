#include "platform/modal_loop.h"

#include "platform/win32.h"
#include "platform/window.h"

namespace tarnwick::platform {
namespace {

constexpr DWORD recheckMs = 100;

void centreOn(HWND window, HWND owner) {
    RECT outer{};
    RECT self{};
    if (!owner || !IsWindowVisible(owner) || !GetWindowRect(owner, &outer))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &outer, 0);
    GetWindowRect(window, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    SetWindowPos(window, nullptr, outer.left + (outer.right - outer.left - width) / 2,
                 outer.top + (outer.bottom - outer.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void runModal(Window& window, HWND owner) {
    HWND hwnd = window.handle();
    if (!hwnd)
        return;
    // Owned, so it stays above the owner and has no taskbar button of its own.
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    centreOn(hwnd, owner);
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    window.show();
    // A message sent from another thread is handled inside the wait (so wine does) and may hide
    // the window with no posted message following, so the wait is bounded.
    MSG message{};
    while (IsWindow(hwnd) && IsWindowVisible(hwnd)) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjectsEx(0, nullptr, recheckMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        if (message.message == WM_QUIT) {
            // Leave the quit for the outer loop.
            PostQuitMessage(int(message.wParam));
            break;
        }
        if (!IsDialogMessageW(hwnd, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The owner comes back before the window goes, so the focus returns to it.
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    window.hide();
    if (owner)
        SetForegroundWindow(owner);
}

} // namespace tarnwick::platform
