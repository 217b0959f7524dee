#include "driver/window_finding.h"

#include "driver/send_message.h"
#include "platform/win32.h"

#include <functional>

namespace e2e {

namespace {

using WindowVisitor = std::function<void(HWND)>;

BOOL CALLBACK visitWindow(HWND window, LPARAM visitor) {
    (*reinterpret_cast<WindowVisitor*>(visitor))(window);
    return TRUE;
}

void forEachTopWindow(WindowVisitor visitor) {
    EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&visitor));
}

void forEachDescendant(HWND parent, WindowVisitor visitor) {
    EnumChildWindows(parent, visitWindow, reinterpret_cast<LPARAM>(&visitor));
}

uint32_t owningProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

} // namespace

HWND findTopWindow(uint32_t processId, const std::wstring& caption) {
    HWND found = nullptr;
    forEachTopWindow([&](HWND window) {
        if (!found && owningProcess(window) == processId && windowText(window) == caption)
            found = window;
    });
    return found;
}

HWND waitForTopWindow(uint32_t processId, const std::wstring& caption, milliseconds timeout) {
    return waitFor([&] { return findTopWindow(processId, caption); }, timeout);
}

std::vector<HWND> topWindowsOfClass(const std::wstring& className) {
    std::vector<HWND> found;
    forEachTopWindow([&](HWND window) {
        if (windowClassName(window) == className)
            found.push_back(window);
    });
    return found;
}

std::vector<HWND> descendantsOfClass(HWND parent, const std::wstring& className) {
    std::vector<HWND> found;
    forEachDescendant(parent, [&](HWND window) {
        if (windowClassName(window) == className)
            found.push_back(window);
    });
    return found;
}

HWND findDescendant(HWND parent, const std::wstring& className, const std::wstring& caption) {
    for (HWND window : descendantsOfClass(parent, className))
        if (windowText(window) == caption)
            return window;
    return nullptr;
}

std::wstring windowClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::wstring windowText(HWND window) {
    const auto length = sendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length || *length == 0)
        return {};
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const auto copied =
        sendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<intptr_t>(text.data()));
    text.resize(copied ? static_cast<size_t>(*copied) : 0);
    return text;
}

bool hasVisibleStyle(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool isEnabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

} // namespace e2e
