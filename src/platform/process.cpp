#include "platform/process.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"

#include <commctrl.h>
#include <objidl.h> // GDI+ needs what the lean windows.h leaves out

#include <gdiplus.h>

namespace tarnwick::platform {

std::string runDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        path.resize(slash);
    return narrow(path);
}

void setCurrentDirectory(const std::string& path) {
    SetCurrentDirectoryW(widen(path).c_str());
}

void initialiseCommonControls() {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES |
                                               ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
}

void exitProcess(int code) {
    ExitProcess(UINT(code));
}

void startGdiPlus(uintptr_t& token) {
    if (token != 0)
        return;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR started = 0;
    if (Gdiplus::GdiplusStartup(&started, &input, nullptr) == Gdiplus::Ok)
        token = started;
}

int runMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialogMessageW(root, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}

bool instanceEventExists(const char* name) {
    HANDLE event = OpenEventA(EVENT_ALL_ACCESS, FALSE, name);
    if (!event)
        return false;
    CloseHandle(event);
    return true;
}

void createInstanceEvent(const char* name) {
    // Held open on purpose: its existence is the mark of this instance until the process ends.
    CreateEventA(nullptr, FALSE, FALSE, name);
}

} // namespace tarnwick::platform
