#include "platform/popup_menu.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"

namespace tarnwick::platform {

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

PopupMenu::~PopupMenu() {
    DestroyMenu(menu_);
}

void PopupMenu::addItem(const std::string& text, std::function<void()> action) {
    actions_.push_back(std::move(action));
    AppendMenuW(menu_, MF_STRING, UINT_PTR(actions_.size()), widen(text).c_str());
}

void PopupMenu::popUp(HWND owner, int x, int y) {
    // Without the owner in front, the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen = UINT(TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                            x, y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen >= 1 && chosen <= actions_.size() && actions_[chosen - 1])
        actions_[chosen - 1]();
}

void PopupMenu::popUpAtCursor(HWND owner, int dx, int dy) {
    POINT p{};
    GetCursorPos(&p);
    popUp(owner, p.x + dx, p.y + dy);
}

} // namespace tarnwick::platform
