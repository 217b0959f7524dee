#pragma once
// A Unicode window that records the input messages it receives, as a program on the other
// end of an injection would see them. Also usable as a parent of further targets.
#include "platform/text_conversion.h"
#include "platform/win32.h"
#include "platform/win32_clipboard.h"

#include <string>
#include <vector>

namespace tarnwick::platform::testing {

struct ReceivedMessage {
    UINT message;
    uint32_t wParam; // the low 32 bits, as a 32-bit program would see them
    uint32_t lParam;
    std::string clipboard; // for WM_PASTE: the clipboard text at that moment
    DWORD at;              // GetTickCount
};

class MessageTarget {
  public:
    MessageTarget(RECT r, HWND parent = nullptr, bool visible = true) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &MessageTarget::procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TarnwickMessageTarget";
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        RegisterClassW(&wc); // fails harmlessly when registered already
        const DWORD style = (parent ? WS_CHILD : WS_POPUP) | (visible ? WS_VISIBLE : 0);
        hwnd =
            CreateWindowExW(0, wc.lpszClassName, L"target", style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parent, nullptr, wc.hInstance, this);
    }
    ~MessageTarget() { DestroyWindow(hwnd); }
    MessageTarget(const MessageTarget&) = delete;
    MessageTarget& operator=(const MessageTarget&) = delete;

    HWND hwnd = nullptr;
    std::vector<ReceivedMessage> received;

    // Dispatches this thread's messages, untranslated so no character is added, until the target
    // holds the count, or the time is up.
    void pumpUntil(size_t count, DWORD milliseconds = 2000) {
        const DWORD start = GetTickCount();
        do {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            if (received.size() >= count)
                return;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        } while (GetTickCount() - start < milliseconds);
    }
    void pump() { pumpUntil(SIZE_MAX, 100); }

  private:
    static bool recorded(UINT m) {
        switch (m) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MOUSEWHEEL:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_PASTE:
            return true;
        default:
            return false;
        }
    }

    static LRESULT CALLBACK procedure(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && recorded(m)) {
            self->received.push_back({m, uint32_t(w), uint32_t(l),
                                      m == WM_PASTE ? narrow(clipboardWideText()) : std::string(),
                                      GetTickCount()});
            return 0;
        }
        return DefWindowProcW(hwnd, m, w, l);
    }
};

} // namespace tarnwick::platform::testing
