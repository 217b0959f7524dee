#pragma once
// Opens the editor window "脚本管理" on the script the EditContext names.
namespace tarnwick {

enum class EditorOpening {
    modal,    // returns when the editor has closed
    modeless, // returns at once
};

class EditorOpener {
  public:
    virtual ~EditorOpener() = default;
    virtual bool isOpen() const = 0;
    virtual void open(EditorOpening how) = 0;
    // Brings the open editor to the front.
    virtual void bringForward() = 0;
};

} // namespace tarnwick
