#include "app/ui/application.h"

#include "app/ui/main_window.h"
#include "app/ui/process_parts.h"
#include "platform/process.h"
#include "support/ui/skin_startup.h"

#include <cstdint>

namespace tarnwick {
namespace {

// Never destroyed, like the parts it holds (see ProcessParts).
struct ProcessState {
    explicit ProcessState(const std::string& runDirectory)
        : parts(runDirectory), mainWindow(parts) {}

    ProcessParts parts;
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
