#pragma once
// The main window "Tarnwick1.0": it creates its controls and forwards their events to the
// controller; what the window does lives there.
#include "app/main_window_controller.h"
#include "platform/button.h"
#include "platform/list_view.h"
#include "platform/popup_menu.h"
#include "platform/tray_icon.h"
#include "platform/window.h"

#include <memory>

namespace tarnwick {

class FileSystem;

class MainWindow : public MainShell {
  public:
    MainWindow(FileSystem& files, const DataPaths& paths);

    // Creates the window and its controls and runs the start-up steps; then shows it.
    bool create();

    platform::ListView& scriptList() { return scriptList_; }
    platform::PopupMenu& listMenu() { return listMenu_; }

    void showWindow() override;
    void hideWindow() override;
    void showTrayIcon(const std::string& tip) override;
    void removeTrayIcon() override;
    void popUpTrayMenu() override;
    void showSecondInstanceError() override;
    void endProcess(int exitCode) override;

  private:
    void createControls();

    FileSystem& files_;
    DataPaths paths_;
    platform::Window window_;
    platform::Button startButton_;
    platform::Button disableButton_;
    platform::Button addButton_;
    platform::Button deleteButton_;
    platform::Button helpButton_;
    platform::GroupBox scriptGroup_;
    platform::ListView scriptList_;
    platform::TrayIcon tray_{window_};
    platform::PopupMenu listMenu_;
    platform::PopupMenu trayMenu_;
    std::unique_ptr<InstanceMark> instance_;
    std::unique_ptr<MainWindowController> controller_;
};

} // namespace tarnwick
