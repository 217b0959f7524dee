#include "editor/script_settings_editor.h"

#include "editor/edit_context.h"
#include "editor/editor_memory.h"
#include "storage/find_row.h"
#include "storage/list_file.h"
#include "storage/list_table.h"
#include "storage/script_settings.h"
#include "storage/script_table.h"
#include "support/choice_field.h"
#include "support/notice.h"

namespace tarnwick {

void ScriptSettingsEditor::onHotkeyListOpening() {
    s_.memory.rememberedHotkey = s_.startHotkey.text();
}

void ScriptSettingsEditor::onHotkeyChosen() {
    const std::string chosen = s_.startHotkey.text();
    if (findRow(s_.scripts, scriptColumn::startHotkey, chosen) >= 0 &&
        chosen != s_.memory.rememberedHotkey) {
        s_.notice.show(hotkeyTakenNotice);
        s_.startHotkey.setText(s_.memory.rememberedHotkey);
        return;
    }
    storeInScript(settings::startHotkeySection, settings::hotkeyKey, scriptColumn::startHotkey,
                  chosen);
}

void ScriptSettingsEditor::onLoopChanged() {
    storeInScript(settings::endlessLoopSection, settings::loopKey, scriptColumn::loopCount,
                  s_.loop.text());
}

void ScriptSettingsEditor::storeInScript(const char* section, const char* key, int column,
                                         const std::string& text) {
    writeSetting(s_.files, s_.paths.settingsFile(s_.name.text()), section, key, text);
    const int row = scriptRow();
    if (row < 0)
        return;
    s_.scripts.setCellText(row, column, text);
    saveList(s_.scripts, s_.paths.catalogueFile(), s_.files);
}

int ScriptSettingsEditor::scriptRow() const {
    // The tray can show the main window while the editor is open, and deleting a row there
    // moves the rows below it: a stale index would write into another script's row.
    if (s_.scripts.cellText(s_.context.row, scriptColumn::name) == s_.context.name)
        return s_.context.row;
    return findRow(s_.scripts, scriptColumn::name, s_.context.name);
}

} // namespace tarnwick
