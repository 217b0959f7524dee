#include "platform/check_box.h"

#include "platform/win32.h"
#include "platform/window.h"

namespace tarnwick::platform {

bool CheckBox::create(Window& parent, const ControlArgs& args, bool checked) {
    const int id = parent.addCommandHandler([this](int code) {
        if (code == BN_CLICKED && onClick)
            onClick();
    });
    if (!createChild(parent, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, args, id))
        return false;
    setChecked(checked);
    return true;
}

bool CheckBox::isChecked() const {
    return SendMessageW(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::setChecked(bool checked) {
    SendMessageW(handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace tarnwick::platform
