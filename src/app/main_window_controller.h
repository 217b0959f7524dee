#pragma once
// What the main window does at creation, when asked to close, on tray events and at exit.
#include "app/main_shell.h"
#include "storage/data_paths.h"

#include <functional>

namespace tarnwick {

class FileSystem;
class ListTable;

inline constexpr const char* trayTip = "Tarnwick";

struct MainWindowServices {
    MainShell& shell;
    InstanceMark& instance;
    FileSystem& files;
    DataPaths paths;
    ListTable& scriptTable;
    // Start-up hooks of the skin and the schedule worker; empty until those parts are wired.
    std::function<void()> attachSkin;
    std::function<void()> startScheduleWorker;
};

enum class TrayEventKind { leftReleased = 1, leftDoubleClicked = 2, menuRequested = 3 };

class MainWindowController {
  public:
    explicit MainWindowController(MainWindowServices services) : s_(std::move(services)) {}

    void onCreated();
    // Hides to the tray; the main window never closes while the program runs.
    bool onCloseRequested();
    void onTrayEvent(TrayEventKind kind);
    void onShowWindowChosen();
    void onExitChosen();

  private:
    MainWindowServices s_;
};

} // namespace tarnwick
