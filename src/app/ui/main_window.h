#pragma once
// The main window "Tarnwick1.0": it creates its controls and the controllers behind them, and
// forwards the controls' events; what the window does lives in the controllers.
#include "app/main_window_controller.h"
#include "app/script_list_commands.h"
#include "editor/ui/control_text.h"
#include "editor/ui/editor_launcher.h"
#include "hotkeys/enable_commands.h"
#include "platform/button.h"
#include "platform/input_box.h"
#include "platform/list_view.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"
#include "platform/tray_icon.h"
#include "platform/window.h"
#include "player/runner_shell.h"
#include "player/script_runner.h"
#include "schedule/schedule_check.h"
#include "schedule/schedule_commands.h"

#include <memory>

namespace tarnwick {

struct ProcessParts;

class MainWindow : public MainShell, public RunnerShell {
  public:
    explicit MainWindow(ProcessParts& process);

    // Creates the window and its controls, runs the start-up steps, then shows it.
    bool create();

    // MainShell, on the user-interface thread.
    void showWindow() override;
    void hideWindow() override;
    void showTrayIcon(const std::string& tip) override;
    void removeTrayIcon() override;
    void popUpTrayMenu() override;
    void showSecondInstanceError() override;
    void endProcess(int exitCode) override;

    // RunnerShell, from runner threads: each is a message to the window, carried out on the
    // user-interface thread.
    void setWindowVisible(bool visible) override;
    void setCaption(const std::string& caption) override;

  private:
    void createControls();
    void createControllers();
    void connectEvents();
    void startScheduleWorker();
    void chooseRunTime();

    ProcessParts& process_;
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
    std::unique_ptr<platform::InputBox> prompt_;
    std::unique_ptr<platform::NoticeBox> notice_;
    std::unique_ptr<EditorLauncher> editor_;
    std::unique_ptr<ScriptListCommands> listCommands_;
    std::unique_ptr<ScriptRunner> runner_;
    std::unique_ptr<ScheduleCommands> scheduleCommands_;
    std::unique_ptr<ScheduleCheck> scheduleCheck_;
    ControlText startButtonState_{startButton_};
    ControlText disableButtonState_{disableButton_};
    platform::NoticeBox hotkeyNotice_ = platform::NoticeBox::taskModal();
    std::unique_ptr<EnableCommands> enableCommands_;
};

} // namespace tarnwick
