#pragma once
// The main window's part in start-up, the tray and the exit, as the controller drives it.
#include <string>

namespace tarnwick {

class MainShell {
  public:
    virtual ~MainShell() = default;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    // Replaces the icon when it is already shown.
    virtual void showTrayIcon(const std::string& tip) = 0;
    virtual void removeTrayIcon() = 0;
    // The tray menu, opened 3 pixels right of and below the mouse.
    virtual void popUpTrayMenu() = 0;
    virtual void showSecondInstanceError() = 0;
    virtual void endProcess(int exitCode) = 0;
};

// The mark that an instance runs: a named event that lives as long as its process.
class InstanceMark {
  public:
    virtual ~InstanceMark() = default;
    virtual bool otherInstanceRuns() = 0;
    virtual void markThisInstance() = 0;
};

} // namespace tarnwick
