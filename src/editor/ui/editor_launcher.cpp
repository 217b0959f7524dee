#include "editor/ui/editor_launcher.h"

#include "platform/modal_loop.h"

namespace tarnwick {

void EditorLauncher::open(EditorOpening how) {
    if (isOpen())
        return;
    editor_.reset();
    editor_ = std::make_unique<EditorWindow>(parts_);
    if (!editor_->create()) {
        // Without its window the editor cannot close, so the main window comes back now.
        if (parts_.showMainWindow)
            parts_.showMainWindow();
        return;
    }
    if (how == EditorOpening::modal)
        platform::runModal(editor_->window(), owner_);
    else
        editor_->window().show();
}

void EditorLauncher::bringForward() {
    if (isOpen())
        editor_->window().show();
}

} // namespace tarnwick
