#include "platform/edit_box.h"

#include "platform/win32.h"
#include "platform/window.h"

#include <commctrl.h>

namespace tarnwick::platform {
namespace {

constexpr UINT_PTR subclassId = 1;

LRESULT CALLBACK editProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    auto* box = reinterpret_cast<EditBox*>(data);
    // The dialog manager would take Tab, Enter and Esc for itself; a box that records keys
    // must see them like any other key.
    if (message == WM_GETDLGCODE && box->capturesKeys())
        return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
    try {
        if (box->keyMessage(message, wParam))
            return 0;
    } catch (...) {
        // Nothing may unwind into the system's code.
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

EditBox::~EditBox() {
    if (handle())
        RemoveWindowSubclass(handle(), editProcedure, subclassId);
}

bool EditBox::create(Window& parent, const ControlArgs& args, EditBoxStyle style) {
    const int id = parent.addCommandHandler([this](int code) {
        if (code == EN_CHANGE)
            textChanged();
    });
    DWORD editStyle = WS_TABSTOP | ES_AUTOHSCROLL;
    if (style.multiline)
        editStyle = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (!createChild(parent, L"EDIT", editStyle, WS_EX_CLIENTEDGE, args, id))
        return false;
    capturesKeys_ = style.capturesKeys;
    SetWindowSubclass(handle(), editProcedure, subclassId, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

bool EditBox::keyMessage(unsigned message, uintptr_t keyCode) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (onKeyDown)
            onKeyDown(int(keyCode));
        return capturesKeys_ && message == WM_SYSKEYDOWN;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (onKeyUp)
            onKeyUp(int(keyCode));
        return capturesKeys_ && message == WM_SYSKEYUP;
    case WM_CHAR:
    case WM_SYSCHAR:
        return capturesKeys_;
    default:
        return false;
    }
}

void EditBox::textChanged() {
    // The box marks itself modified when the user edits it; setting the text clears the mark.
    if (!SendMessageW(handle(), EM_GETMODIFY, 0, 0))
        return;
    SendMessageW(handle(), EM_SETMODIFY, FALSE, 0);
    if (onTextChanged)
        onTextChanged();
}

} // namespace tarnwick::platform
