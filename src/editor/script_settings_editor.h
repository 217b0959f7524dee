#pragma once
// The editor's start-hotkey box and loop box. Each accepted change goes at once into the
// script's settings file, its row of the script list and the catalogue file. The script's
// files are named by the name box; its row is the context's row while that row still holds
// the script, else the row that does; a script deleted meanwhile changes no row.
//
// Threads: the user-interface thread.
#include "storage/data_paths.h"

namespace tarnwick {

class ChoiceField;
class FileSystem;
class ListTable;
class Notice;
class TextField;
struct EditContext;
struct EditorMemory;

inline constexpr const char* hotkeyTakenNotice = "热键已有相同请更换!";

struct ScriptSettingsServices {
    const TextField& name;
    ChoiceField& startHotkey;
    const TextField& loop;
    ListTable& scripts;
    const EditContext& context;
    EditorMemory& memory;
    Notice& notice;
    FileSystem& files;
    DataPaths paths;
};

class ScriptSettingsEditor {
  public:
    explicit ScriptSettingsEditor(ScriptSettingsServices services) : s_(std::move(services)) {}

    // The hotkey list is about to drop down.
    void onHotkeyListOpening();
    // An entry of the hotkey list has been chosen. A name that another row of the script list
    // holds is refused, unless it is the one remembered when the list dropped down.
    void onHotkeyChosen();
    // Every change of the loop box's text, unchecked.
    void onLoopChanged();

  private:
    void storeInScript(const char* section, const char* key, int column, const std::string& text);
    int scriptRow() const;

    ScriptSettingsServices s_;
};

} // namespace tarnwick
