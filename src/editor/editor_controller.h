#pragma once
// What the editor window "脚本管理" does: it opens on the script the EditContext names, samples
// the cursor, captures a step on Pause or F9, loads a step back for changing, and on closing
// writes the step file and the catalogue and shows the main window again.
//
// The confirm button's caption is the editor's state: "确定保存" while steps are added,
// "确定修改" while a loaded step is changed.
//
// Threads: the user-interface thread, the capture included (the hotkey poll calls it there).
#include "editor/editor_fields.h"
#include "storage/data_paths.h"

#include <cstdint>

namespace tarnwick {

class CaptureKeys;
class EditorShell;
class FileSystem;
class ListSelection;
class ListTable;
class Notice;
class ScriptSettingsEditor;
struct CursorPoint;
struct EditContext;
struct EditorMemory;

inline constexpr const char* confirmSaveCaption = "确定保存";
inline constexpr const char* confirmChangeCaption = "确定修改";
inline constexpr const char* changedNotice = "修改成功!";
inline constexpr const char* noStepToChangeNotice = "请先选中要修改的步骤";

struct EditorServices {
    EditorFields fields;
    ListTable& steps;
    ListSelection& stepSelection;
    ListTable& scripts;
    const EditContext& context;
    EditorMemory& memory;
    ScriptSettingsEditor& settings;
    CaptureKeys& keys;
    EditorShell& shell;
    Notice& notice;
    FileSystem& files;
    DataPaths paths;
};

class EditorController {
  public:
    explicit EditorController(EditorServices services) : s_(std::move(services)) {}

    void onOpened();
    void onCursorSampled(CursorPoint position);
    // Bound to Pause and F9.
    void captureStep();
    void onConfirmClicked();
    void onStepDoubleClicked();
    void onFocusedStepChanged();
    void onStepRightClicked();
    // Keys pressed and released in the key box, as virtual-key codes.
    void onKeyDown(int keyCode);
    void onKeyUp(int keyCode);
    void onNoKeyClicked();
    void onClosing();

  private:
    bool isAdding() const;

    EditorServices s_;
    int32_t pauseBinding_ = 0;
    int32_t f9Binding_ = 0;
};

} // namespace tarnwick
