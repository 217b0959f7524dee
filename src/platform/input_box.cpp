#include "platform/input_box.h"

#include "platform/child_control.h"
#include "platform/text_conversion.h"
#include "platform/win32.h"

#include <vector>

namespace tarnwick::platform {
namespace {

constexpr WORD promptId = 100;
constexpr WORD editId = 101;
constexpr WORD buttonAtom = 0x0080;
constexpr WORD editAtom = 0x0081;
constexpr WORD staticAtom = 0x0082;

struct DialogState {
    std::wstring prompt;
    std::optional<std::string> answer;
};

// An in-memory dialog template: the header, then each item, DWORD-aligned.
class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& title, short width, short height) {
        DLGTEMPLATE head{};
        head.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        head.cx = width;
        head.cy = height;
        append(&head, sizeof head);
        word(0); // no menu
        word(0); // the standard dialog class
        text(title);
        word(9);
        text(L"MS Shell Dlg");
    }

    void item(WORD atom, WORD id, DWORD style, short x, short y, short cx, short cy,
              const std::wstring& caption) {
        align();
        DLGITEMTEMPLATE it{};
        it.style = style | WS_CHILD | WS_VISIBLE;
        it.x = x;
        it.y = y;
        it.cx = cx;
        it.cy = cy;
        it.id = id;
        append(&it, sizeof it);
        word(0xFFFF);
        word(atom);
        text(caption);
        word(0); // no creation data
        ++count_;
    }

    const DLGTEMPLATE* get() {
        reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit = count_;
        return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data());
    }

  private:
    void append(const void* p, size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
    }
    void word(WORD w) { append(&w, sizeof w); }
    void text(const std::wstring& s) { append(s.c_str(), (s.size() + 1) * sizeof(wchar_t)); }
    void align() {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }

    // Heap storage starts aligned beyond the DWORD the header needs.
    std::vector<unsigned char> bytes_;
    WORD count_ = 0;
};

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG: {
            auto* state = reinterpret_cast<DialogState*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, LONG_PTR(state));
            SetDlgItemTextW(dialog, promptId, state->prompt.c_str());
            SetFocus(GetDlgItem(dialog, editId));
            return FALSE; // the focus is set
        }
        case WM_COMMAND: {
            auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            if (LOWORD(wParam) == IDOK) {
                state->answer = windowText(GetDlgItem(dialog, editId));
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
        }
    } catch (...) {
        // Nothing may unwind into the system's code.
        return FALSE;
    }
}

} // namespace

std::optional<std::string> inputBox(HWND owner, const std::string& prompt,
                                    const std::string& title) {
    DialogTemplate layout(widen(title), 220, 66);
    layout.item(staticAtom, promptId, SS_LEFT, 7, 7, 206, 10, L"");
    layout.item(editAtom, editId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 20, 206, 14, L"");
    layout.item(buttonAtom, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 109, 44, 50, 14, widen("确定"));
    layout.item(buttonAtom, IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, 163, 44, 50, 14, widen("取消"));
    DialogState state{widen(prompt), std::nullopt};
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner, dialogProcedure,
                            LPARAM(&state));
    return state.answer;
}

} // namespace tarnwick::platform
