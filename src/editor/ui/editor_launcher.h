#pragma once
// Opens the editor window for the script list commands: a new window for every opening, the
// previous (closed) one destroyed first.
#include "editor/editor_opener.h"
#include "editor/ui/editor_window.h"

#include <memory>

namespace tarnwick {

class EditorLauncher : public EditorOpener {
  public:
    // The modal editor runs over the owner, the main window.
    EditorLauncher(EditorWindowParts parts, HWND owner) : parts_(std::move(parts)), owner_(owner) {}

    bool isOpen() const override { return editor_ && editor_->isOpen(); }
    void open(EditorOpening how) override;
    void bringForward() override;

  private:
    EditorWindowParts parts_;
    HWND owner_;
    std::unique_ptr<EditorWindow> editor_;
};

} // namespace tarnwick
