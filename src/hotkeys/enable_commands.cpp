#include "hotkeys/enable_commands.h"

#include "hotkeys/hotkey_watcher.h"
#include "hotkeys/key_names.h"
#include "player/run_flags.h"
#include "storage/lenient_integer.h"
#include "storage/list_selection.h"
#include "storage/list_table.h"
#include "storage/marks.h"
#include "storage/script_table.h"
#include "support/notice.h"
#include "support/text_field.h"

#include <string>

namespace tarnwick {

void EnableCommands::onStartClicked() {
    const int row = s_.selection.selectedRow();
    if (row == -1)
        return;
    // A press of any script hotkey now starts a run; a run in progress stops at its next test.
    s_.runFlags.enabled = 1;
    s_.runFlags.active = 0;
    const std::string hotkeyName = s_.scriptTable.cellText(row, scriptColumn::startHotkey);
    const int32_t identifier = s_.watcher.bind(s_.playFromHotkey, keyCodeForName(hotkeyName));
    if (identifier == 0) {
        s_.notice.show(hotkeyName + "热键注册失败");
        return;
    }
    s_.scriptTable.setCellText(row, scriptColumn::state, marks::enabled);
    s_.scriptTable.setCellText(row, scriptColumn::identifier, std::to_string(identifier));
    showButtonsFor(true);
}

void EnableCommands::onDisableClicked() {
    const int row = s_.selection.selectedRow();
    if (row == -1)
        return;
    if (s_.scriptTable.cellText(row, scriptColumn::state) != marks::enabled)
        return;
    showButtonsFor(false);
    s_.scriptTable.setCellText(row, scriptColumn::state, marks::disabled);
    // Release of 0 would drop every binding, the editor's capture keys too: a row without an
    // identifier has none of its own to release.
    const int32_t identifier =
        lenientInteger(s_.scriptTable.cellText(row, scriptColumn::identifier));
    if (identifier != 0)
        s_.watcher.release(identifier);
    s_.scriptTable.setCellText(row, scriptColumn::identifier, "");
}

void EnableCommands::onFocusedRowChanged() {
    const int row = s_.selection.selectedRow();
    if (row == -1)
        return;
    const std::string state = s_.scriptTable.cellText(row, scriptColumn::state);
    if (state == marks::enabled)
        showButtonsFor(true);
    else if (state == marks::disabled)
        showButtonsFor(false);
}

void EnableCommands::showButtonsFor(bool scriptEnabled) {
    s_.startButton.setEnabled(!scriptEnabled);
    s_.disableButton.setEnabled(scriptEnabled);
}

} // namespace tarnwick
