#include "app/ui/application.h"

#include "app/ui/main_window.h"
#include "platform/process.h"
#include "platform/win32_file_system.h"
#include "support/ui/skin_startup.h"

#include <cstdint>

namespace tarnwick {
namespace {

// Process-wide state. Created once and never destroyed: runner and worker threads may still use
// it when the process ends, and the system reclaims it then.
struct ProcessState {
    explicit ProcessState(const std::string& runDirectory)
        : paths(runDirectory), mainWindow(files, paths) {}

    platform::Win32FileSystem files;
    DataPaths paths;
    uintptr_t gdiPlusTokens[2] = {0, 0};
    MainWindow mainWindow;
};

} // namespace

int runApplication() {
    const std::string runDirectory = platform::runDirectory();
    platform::setCurrentDirectory(runDirectory);
    platform::initialiseCommonControls();
    auto* state = new ProcessState(runDirectory);
    loadEmbeddedSkin();
    for (uintptr_t& token : state->gdiPlusTokens)
        platform::startGdiPlus(token);
    if (!state->mainWindow.create())
        return 1;
    return platform::runMessageLoop();
}

} // namespace tarnwick
