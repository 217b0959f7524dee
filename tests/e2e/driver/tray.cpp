#include "driver/tray.h"

#include "driver/remote_memory.h"
#include "driver/send_message.h"
#include "driver/window_finding.h"
#include "driver/window_geometry.h"
#include "platform/win32.h"

#include <commctrl.h>

#include <algorithm>

namespace e2e {

namespace {

uint32_t owningProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<HWND> topWindowsOfProcess(uint32_t processId, const std::wstring& className) {
    std::vector<HWND> found;
    for (HWND window : topWindowsOfClass(className))
        if (owningProcess(window) == processId)
            found.push_back(window);
    return found;
}

// The text of the tool the tip window keeps for the icon window; empty if it keeps none.
std::wstring toolText(HWND tip, HWND icon) {
    constexpr size_t textUnits = 256;
    RemoteMemory remote(tip, sizeof(TTTOOLINFOW) + textUnits * sizeof(wchar_t));
    const int tools = static_cast<int>(sendWithTimeout(tip, TTM_GETTOOLCOUNT, 0, 0).value_or(0));
    for (int i = 0; i < tools; ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        remote.write(0, tool);
        if (!sendWithTimeout(tip, TTM_ENUMTOOLSW, i, remote.address()).value_or(0))
            continue;
        remote.read(0, tool);
        const bool forIcon = tool.hwnd == icon || ((tool.uFlags & TTF_IDISHWND) &&
                                                   reinterpret_cast<HWND>(tool.uId) == icon);
        if (!forIcon)
            continue;
        tool.lpszText = reinterpret_cast<wchar_t*>(remote.addressAt(sizeof tool));
        remote.write(0, tool);
        remote.write(sizeof tool, L'\0');
        sendWithTimeout(tip, TTM_GETTEXTW, textUnits, remote.address());
        std::wstring text(textUnits, L'\0');
        remote.read(sizeof tool, text.data(), text.size() * sizeof(wchar_t));
        text.resize(text.find(L'\0'));
        return text;
    }
    return {};
}

} // namespace

std::vector<HWND> trayIcons() {
    std::vector<HWND> icons;
    HWND tray = FindWindowW(nullptr, L"Wine System Tray");
    if (!tray || !IsWindowVisible(tray))
        return icons;
    for (HWND child = GetWindow(tray, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            icons.push_back(child);
    std::sort(icons.begin(), icons.end(),
              [](HWND a, HWND b) { return screenRect(a).x < screenRect(b).x; });
    return icons;
}

bool waitForTrayIconCount(size_t count, milliseconds timeout) {
    return waitUntil([=] { return trayIcons().size() == count; }, timeout);
}

std::wstring trayIconTip(HWND icon) {
    for (HWND tip : topWindowsOfProcess(owningProcess(icon), TOOLTIPS_CLASSW))
        if (std::wstring text = toolText(tip, icon); !text.empty())
            return text;
    return {};
}

} // namespace e2e
