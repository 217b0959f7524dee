#pragma once
// The Start ("启动") and Stop ("停用") buttons beside the script list: enabling binds the
// selected script's start hotkey to the runner, disabling releases it; the row's state column
// and the two buttons show the outcome. The buttons follow the selected row.
//
// Threads: every handler runs on the user-interface thread, like the watcher's registry.
#include "hotkeys/hotkey_binding.h"

#include <utility>

namespace tarnwick {

class HotkeyWatcher;
class ListSelection;
class ListTable;
class Notice;
class TextField;
struct RunFlags;

struct EnableCommandsServices {
    HotkeyWatcher& watcher;
    RunFlags& runFlags;
    ListTable& scriptTable;
    const ListSelection& selection;
    // Only their enabled state is used.
    TextField& startButton;
    TextField& disableButton;
    // Tells the user that a start hotkey has no key code.
    Notice& notice;
    // Bound to every enabled script's start hotkey; runs on a new thread per press.
    HotkeyRoutine playFromHotkey;
};

class EnableCommands {
  public:
    explicit EnableCommands(EnableCommandsServices services) : s_(std::move(services)) {}

    void onStartClicked();
    void onDisableClicked();
    // The script list's focused row changed.
    void onFocusedRowChanged();

  private:
    void showButtonsFor(bool scriptEnabled);

    EnableCommandsServices s_;
};

} // namespace tarnwick
