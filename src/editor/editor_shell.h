#pragma once
// What the editor controller asks of its window and of the world around it.
namespace tarnwick {

class EditorShell {
  public:
    virtual ~EditorShell() = default;
    virtual void stopCursorTimer() = 0;
    virtual void showMainWindow() = 0;
    // The step list's pop-up menu "列表操作", at the cursor.
    virtual void popUpStepMenu() = 0;
};

} // namespace tarnwick
