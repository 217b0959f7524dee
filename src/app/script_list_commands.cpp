#include "app/script_list_commands.h"

#include "app/main_shell.h"
#include "app/script_name_rules.h"
#include "editor/edit_context.h"
#include "editor/editor_opener.h"
#include "storage/file_system.h"
#include "storage/list_file.h"
#include "storage/list_selection.h"
#include "storage/list_table.h"
#include "storage/marks.h"
#include "storage/script_settings.h"
#include "storage/script_table.h"
#include "support/notice.h"
#include "support/text_prompt.h"

namespace tarnwick {

void ScriptListCommands::addScript() {
    if (focusOpenEditor())
        return;
    const std::optional<std::string> typed = s_.prompt.ask(scriptNamePrompt, scriptNameTitle);
    if (!typed)
        return;
    const std::string& name = *typed;
    switch (checkScriptName(name)) {
    case ScriptNameProblem::blank:
        s_.notice.show(enterNameNotice);
        return;
    case ScriptNameProblem::unusable:
        s_.notice.show(unusableNameNotice);
        return;
    case ScriptNameProblem::none:
        break;
    }
    if (nameTaken(name)) {
        s_.notice.show(nameTakenNotice);
        return;
    }
    s_.files.createDirectory(s_.paths.scriptFolder(name));
    s_.context.mode = editMode::add;
    s_.context.name = name;
    const int row = s_.scripts.appendRow(std::to_string(s_.scripts.rowCount()), {});
    s_.scripts.setCellText(row, scriptColumn::name, name);
    s_.scripts.setCellText(row, scriptColumn::startHotkey, "F1");
    s_.scripts.setCellText(row, scriptColumn::loopCount, "1");
    s_.scripts.setCellText(row, scriptColumn::state, marks::disabled);
    s_.scripts.setCellText(row, scriptColumn::armed, marks::no);
    s_.scripts.setCellText(row, scriptColumn::done, marks::no);
    s_.context.row = row;
    saveCatalogue();
    writeNewScriptSettings(s_.files, s_.paths.settingsFile(name));
    s_.mainWindow.hideWindow();
    s_.editor.open(EditorOpening::modal);
}

void ScriptListCommands::deleteScript() {
    const int row = s_.selection.selectedRow();
    if (row < 0)
        return;
    // A hand-edited catalogue may hold a name such as "..": its row goes, but nothing on disk
    // outside its own folder does.
    const std::string name = s_.scripts.cellText(row, scriptColumn::name);
    if (checkScriptName(name) == ScriptNameProblem::none)
        s_.files.removeTree(s_.paths.scriptFolder(name));
    s_.selection.removeRow(row);
    saveCatalogue();
}

void ScriptListCommands::clearAll() {
    s_.files.removeTree(s_.paths.dataDirectory());
    s_.files.removeTree(s_.paths.imageDirectory());
    s_.scripts.removeAllRows();
    s_.files.createDirectory(s_.paths.dataDirectory());
    s_.files.createDirectory(s_.paths.imageDirectory());
    saveCatalogue();
}

void ScriptListCommands::openForEditing() {
    const int row = s_.selection.selectedRow();
    if (row < 0 || s_.scripts.cellText(row, scriptColumn::state) != marks::disabled)
        return;
    if (focusOpenEditor())
        return;
    const std::string name = s_.scripts.cellText(row, scriptColumn::name);
    // A hand-edited catalogue may hold a name such as "..\x": the editor would write its
    // files outside the script's own folder.
    if (checkScriptName(name) != ScriptNameProblem::none) {
        s_.notice.show(unusableNameNotice);
        return;
    }
    const std::string settingsFile = s_.paths.settingsFile(name);
    s_.context.row = row;
    s_.context.name = name;
    s_.context.startHotkey =
        readSetting(s_.files, settingsFile, settings::startHotkeySection, settings::hotkeyKey);
    s_.context.stopHotkey =
        readSetting(s_.files, settingsFile, settings::stopHotkeySection, settings::hotkeyKey);
    s_.context.loopCount =
        readSetting(s_.files, settingsFile, settings::endlessLoopSection, settings::loopKey);
    s_.context.mode = editMode::modify;
    s_.mainWindow.hideWindow();
    s_.editor.open(EditorOpening::modeless);
}

void ScriptListCommands::showListMenu() {
    if (s_.selection.selectedRow() >= 0)
        s_.popUpListMenu();
}

bool ScriptListCommands::nameTaken(const std::string& name) const {
    for (int row = 0; row < s_.scripts.rowCount(); ++row) {
        if (shareFolder(s_.scripts.cellText(row, scriptColumn::name), name))
            return true;
    }
    return false;
}

void ScriptListCommands::saveCatalogue() {
    saveList(s_.scripts, s_.paths.catalogueFile(), s_.files);
}

bool ScriptListCommands::focusOpenEditor() {
    if (!s_.editor.isOpen())
        return false;
    s_.editor.bringForward();
    return true;
}

} // namespace tarnwick
