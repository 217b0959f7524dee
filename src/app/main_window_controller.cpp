#include "app/main_window_controller.h"

#include "storage/file_system.h"
#include "storage/list_file.h"

namespace tarnwick {

void MainWindowController::onCreated() {
    if (s_.instance.otherInstanceRuns()) {
        s_.shell.showSecondInstanceError();
        s_.shell.endProcess(0);
        return;
    }
    s_.instance.markThisInstance();
    if (s_.attachSkin)
        s_.attachSkin();
    if (!s_.files.directoryExists(s_.paths.dataDirectory()) ||
        !s_.files.directoryExists(s_.paths.imageDirectory())) {
        s_.files.createDirectory(s_.paths.dataDirectory());
        s_.files.createDirectory(s_.paths.imageDirectory());
    }
    loadList(s_.scriptTable, s_.paths.catalogueFile(), s_.files);
    if (s_.startScheduleWorker)
        s_.startScheduleWorker();
}

bool MainWindowController::onCloseRequested() {
    s_.shell.showTrayIcon(trayTip);
    s_.shell.hideWindow();
    return false;
}

void MainWindowController::onTrayEvent(TrayEventKind kind) {
    switch (kind) {
    case TrayEventKind::menuRequested:
        s_.shell.popUpTrayMenu();
        break;
    case TrayEventKind::leftDoubleClicked:
        s_.shell.showWindow();
        break;
    case TrayEventKind::leftReleased:
        break;
    }
}

void MainWindowController::onShowWindowChosen() {
    s_.shell.showWindow();
}

void MainWindowController::onExitChosen() {
    s_.shell.removeTrayIcon();
    s_.shell.endProcess(0);
}

} // namespace tarnwick
