#pragma once
// The main window's part in a run: it hides while a script plays, a tray icon with the tip
// "Tarnwick" stands in for it, and its caption says whether the last press started or stopped.
// Called from runner threads; the implementation carries each call to the UI thread.
#include <string>

namespace tarnwick {

class RunnerShell {
  public:
    virtual ~RunnerShell() = default;
    virtual void setWindowVisible(bool visible) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // The program's own icon (its 48 x 48 image) with the tip.
    virtual void showTrayIcon(const std::string& tip) = 0;
    // Empty icon, empty tip.
    virtual void removeTrayIcon() = 0;
};

} // namespace tarnwick
