#include "platform/combo_box.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"
#include "platform/window.h"

namespace tarnwick::platform {

bool ComboBox::create(Window& parent, const ControlArgs& args,
                      const std::vector<std::string>& entries) {
    const int id = parent.addCommandHandler([this](int code) {
        if (code == CBN_DROPDOWN && onListOpening)
            onListOpening();
        else if (code == CBN_SELCHANGE && onEntryChosen)
            onEntryChosen();
    });
    if (!createChild(parent, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, args, id))
        return false;
    entries_ = entries;
    for (const std::string& entry : entries)
        SendMessageW(handle(), CB_ADDSTRING, 0, LPARAM(widen(entry).c_str()));
    return true;
}

std::string ComboBox::text() const {
    const int index = selectedIndex();
    return index >= 0 && index < int(entries_.size()) ? entries_[size_t(index)] : std::string();
}

void ComboBox::setText(const std::string& text) {
    // CB_FINDSTRINGEXACT ignores letter case; the names are compared byte for byte.
    int index = -1;
    for (size_t i = 0; i < entries_.size() && index < 0; ++i) {
        if (entries_[i] == text)
            index = int(i);
    }
    selectIndex(index);
}

void ComboBox::selectIndex(int index) {
    SendMessageW(handle(), CB_SETCURSEL, WPARAM(index), 0);
}

int ComboBox::selectedIndex() const {
    return int(SendMessageW(handle(), CB_GETCURSEL, 0, 0));
}

} // namespace tarnwick::platform
