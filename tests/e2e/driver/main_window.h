#pragma once
// The main window of a running Tarnwick and its controls, found the way a user sees them:
// buttons and the group box by caption, the script table as the visible list view.
#include <string>

#include "driver/list_view.h"
#include "driver/polling.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

class Process;

inline constexpr wchar_t mainWindowCaption[] = L"Tarnwick1.0";

class MainWindow {
  public:
    explicit MainWindow(HWND window) : window_(window) {}

    HWND handle() const { return window_; }
    bool isVisible() const;
    // Null when the window has no button with this caption.
    HWND button(const std::wstring& caption) const;
    HWND scriptGroup() const;
    RemoteListView scriptTable() const;

  private:
    HWND window_;
};

// The process's main window, visible or not; a null handle if it does not appear in time.
MainWindow waitForMainWindow(const Process& process, milliseconds timeout = defaultTimeout);
// The process's main window once it shows, as it does at start; a null handle if it does not
// appear or stays hidden past the timeout.
MainWindow waitForShownMainWindow(const Process& process, milliseconds timeout = defaultTimeout);

} // namespace e2e
