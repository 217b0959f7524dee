#include "editor/editor_controller.h"

#include "editor/capture_keys.h"
#include "editor/edit_context.h"
#include "editor/editor_memory.h"
#include "editor/editor_shell.h"
#include "editor/script_settings_editor.h"
#include "editor/script_step.h"
#include "storage/list_file.h"
#include "storage/list_selection.h"
#include "storage/list_table.h"
#include "storage/marks.h"
#include "support/check_field.h"
#include "support/choice_field.h"
#include "support/notice.h"
#include "support/text_field.h"

namespace tarnwick {
namespace {

std::string orPlaceholder(std::string text, const char* placeholder) {
    return text.empty() ? placeholder : text;
}

ScriptStep stepFromFields(const EditorFields& f) {
    ScriptStep s;
    s[step::position] = f.position.text();
    s[step::mouseAction] = f.mouseAction.text();
    s[step::interval] = f.interval.text();
    s[step::wheelAction] = f.wheelAction.text();
    s[step::wheelCount] = f.wheelCount.text();
    s[step::text] = orPlaceholder(f.text.text(), marks::noContent);
    s[step::key] = orPlaceholder(f.key.text(), marks::noEvent);
    s[step::keyCount] = f.keyCount.text();
    return s;
}

// Keeps the key box and the "无动作" box in step: checked exactly when the box is disabled.
void showKeyBox(EditorFields& f, bool hasKey) {
    f.key.setEnabled(hasKey);
    f.noKey.setChecked(!hasKey);
}

} // namespace

void EditorController::onOpened() {
    s_.fields.name.setText(s_.context.name);
    const CaptureRoutine capture = [this](int32_t) { captureStep(); };
    pauseBinding_ = s_.keys.bindDirect(pauseKeyCode, capture);
    f9Binding_ = s_.keys.bindDirect(f9KeyCode, capture);
    if (s_.context.mode != editMode::modify)
        return;
    loadStepFile(s_.steps, s_.paths, s_.context.name, s_.files);
    s_.fields.startHotkey.setText(s_.context.startHotkey);
    s_.fields.loop.setText(s_.context.loopCount);
    // Setting the loop text is a change like a keystroke: it is stored back at once.
    s_.settings.onLoopChanged();
}

void EditorController::onCursorSampled(CursorPoint position) {
    s_.memory.lastCursorPos = position;
    s_.fields.cursor.setText(positionText(position));
}

void EditorController::captureStep() {
    s_.fields.position.setText(positionText(s_.memory.lastCursorPos));
    if (isAdding())
        appendStep(s_.steps, stepFromFields(s_.fields));
}

void EditorController::onConfirmClicked() {
    const std::string caption = s_.fields.confirm.text();
    if (caption == confirmSaveCaption) {
        saveStepFile(s_.steps, s_.paths, s_.fields.name.text(), s_.files);
        return;
    }
    if (caption != confirmChangeCaption)
        return;
    const int row = s_.stepSelection.selectedRow();
    s_.fields.confirm.setText(confirmSaveCaption);
    // Without a selected step nothing can change, and saying it did would be a lie.
    if (row < 0) {
        s_.notice.show(noStepToChangeNotice);
        return;
    }
    writeStep(s_.steps, row, stepFromFields(s_.fields));
    s_.notice.show(changedNotice);
}

void EditorController::onStepDoubleClicked() {
    const int row = s_.stepSelection.selectedRow();
    if (row < 0)
        return;
    const ScriptStep s = readStep(s_.steps, row);
    EditorFields& f = s_.fields;
    f.confirm.setText(confirmChangeCaption);
    f.position.setText(s[step::position]);
    f.interval.setText(s[step::interval]);
    f.wheelCount.setText(s[step::wheelCount]);
    f.text.setText(s[step::text]);
    f.keyCount.setText(s[step::keyCount]);
    f.key.setText(s[step::key]);
    showKeyBox(f, f.key.text() != marks::noEvent);
    if (const int mouse = step::mouseActionIndex(s[step::mouseAction]); mouse >= 0)
        f.mouseAction.selectIndex(mouse);
    if (const int wheel = step::wheelActionIndex(s[step::wheelAction]); wheel >= 0)
        f.wheelAction.selectIndex(wheel);
}

void EditorController::onFocusedStepChanged() {
    s_.fields.confirm.setText(confirmSaveCaption);
}

void EditorController::onStepRightClicked() {
    s_.shell.popUpStepMenu();
}

void EditorController::onKeyDown(int keyCode) {
    if (keyCode != pauseKeyCode)
        s_.fields.key.setText("");
}

void EditorController::onKeyUp(int keyCode) {
    // Pause leaves the box alone, so it can capture while the box has the focus.
    if (keyCode != pauseKeyCode)
        s_.fields.key.setText(std::to_string(keyCode));
}

void EditorController::onNoKeyClicked() {
    const bool noKey = s_.fields.noKey.isChecked();
    s_.fields.key.setEnabled(!noKey);
    s_.fields.key.setText(noKey ? marks::noEvent : "");
}

void EditorController::onClosing() {
    s_.shell.stopCursorTimer();
    // Identifier 0 would release every binding, the scripts' start hotkeys included.
    for (const int32_t binding : {pauseBinding_, f9Binding_}) {
        if (binding != 0)
            s_.keys.release(binding);
    }
    saveStepFile(s_.steps, s_.paths, s_.fields.name.text(), s_.files);
    saveList(s_.scripts, s_.paths.catalogueFile(), s_.files);
    s_.shell.showMainWindow();
}

bool EditorController::isAdding() const {
    return s_.fields.confirm.text() == confirmSaveCaption;
}

} // namespace tarnwick
