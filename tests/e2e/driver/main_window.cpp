#include "driver/main_window.h"

#include "driver/process.h"
#include "driver/window_finding.h"
#include "platform/win32.h"

namespace e2e {

namespace {

constexpr wchar_t listViewClass[] = L"SysListView32";

HWND visibleListView(HWND window) {
    for (HWND list : descendantsOfClass(window, listViewClass))
        if (hasVisibleStyle(list))
            return list;
    return nullptr;
}

} // namespace

bool MainWindow::isVisible() const {
    return IsWindowVisible(window_) != FALSE;
}

HWND MainWindow::button(const std::wstring& caption) const {
    return findDescendant(window_, L"Button", caption);
}

HWND MainWindow::scriptGroup() const {
    return button(L"脚本区");
}

RemoteListView MainWindow::scriptTable() const {
    return RemoteListView(visibleListView(window_));
}

MainWindow waitForMainWindow(const Process& process, milliseconds timeout) {
    return MainWindow(waitForTopWindow(process.id(), mainWindowCaption, timeout));
}

MainWindow waitForShownMainWindow(const Process& process, milliseconds timeout) {
    const MainWindow window = waitForMainWindow(process, timeout);
    if (!window.handle() || !waitUntil([&] { return window.isVisible(); }, timeout))
        return MainWindow(nullptr);
    return window;
}

} // namespace e2e
