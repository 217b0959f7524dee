#pragma once
// The editor window "脚本管理": it creates its controls and forwards their events to the
// controllers; what the window does lives there. One object per opening: it is closed by
// hiding it, and its owner destroys it before the next opening.
#include "editor/editor_controller.h"
#include "editor/editor_shell.h"
#include "editor/script_settings_editor.h"
#include "editor/step_list_commands.h"
#include "editor/ui/control_text.h"
#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/edit_box.h"
#include "platform/list_view.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"
#include "platform/status_bar.h"
#include "platform/window.h"
#include "platform/window_timer.h"

#include <functional>
#include <list>
#include <memory>

namespace tarnwick {

class CaptureKeys;
class FileSystem;
class ListTable;
struct EditContext;
struct EditorMemory;

// What the editor works with that outlives it.
struct EditorWindowParts {
    ListTable& scripts;
    EditContext& context;
    EditorMemory& memory;
    CaptureKeys& keys;
    FileSystem& files;
    DataPaths paths;
    std::function<void()> showMainWindow;
};

class EditorWindow : public EditorShell {
  public:
    explicit EditorWindow(EditorWindowParts parts);

    // Creates the window hidden and runs the opening steps.
    bool create();
    platform::Window& window() { return window_; }
    // Open from creation until the user closes it.
    bool isOpen() const { return open_; }

    void stopCursorTimer() override;
    void showMainWindow() override;
    void popUpStepMenu() override;

  private:
    void createControls();
    void connectEvents();
    void label(int x, int y, int width, const char* caption);
    void close();

    EditorWindowParts parts_;
    bool open_ = false;
    platform::Window window_;
    platform::GroupBox hotkeyGroup_;
    platform::GroupBox positionGroup_;
    platform::GroupBox clickGroup_;
    std::list<platform::Label> labels_;
    platform::EditBox nameEdit_;
    platform::ComboBox startHotkeyCombo_;
    platform::EditBox loopEdit_;
    platform::ListView stepList_;
    platform::Label cursorLabel_;
    platform::EditBox positionEdit_;
    platform::ComboBox mouseActionCombo_;
    platform::EditBox intervalEdit_;
    platform::ComboBox wheelActionCombo_;
    platform::EditBox wheelCountEdit_;
    platform::EditBox keyEdit_;
    platform::EditBox keyCountEdit_;
    platform::CheckBox noKeyCheck_;
    platform::EditBox textEdit_;
    platform::Button confirmButton_;
    platform::StatusBar statusBar_;
    platform::WindowTimer cursorTimer_;
    platform::PopupMenu stepMenu_;
    ControlText cursorText_{cursorLabel_};
    ControlText confirmText_{confirmButton_};
    std::unique_ptr<platform::NoticeBox> notice_;
    std::unique_ptr<ScriptSettingsEditor> settings_;
    std::unique_ptr<StepListCommands> stepCommands_;
    std::unique_ptr<EditorController> controller_;
};

} // namespace tarnwick
