#include "support/ui/skin_startup.h"

#include "platform/skin_exports.h"
#include "platform/win32_library_loader_host.h"
#include "support/embedded_skin.h"
#include "support/memory_library_loader.h"

namespace tarnwick {
namespace {

// The process-wide loader; the library it maps stays until the process ends.
MemoryLibraryLoader& skinLoader() {
    static platform::Win32LibraryLoaderHost host;
    static MemoryLibraryLoader loader(host);
    return loader;
}

} // namespace

bool loadEmbeddedSkin() {
    const EmbeddedBlock image = embeddedSkinLibrary();
    return skinLoader().loadImage(image.bytes, image.size);
}

void attachSkin(HWND mainWindow) {
    const MemoryLibraryLoader& loader = skinLoader();
    if (const std::uint64_t attach = loader.exportAddress("SkinAttachData")) {
        const EmbeddedBlock data = embeddedSkinData();
        platform::callSkinAttachData(attach, data.bytes, data.size);
    }
    if (const std::uint64_t alpha = loader.exportAddress("SkinSetWindowAlpha"))
        platform::callSkinSetWindowAlpha(alpha, mainWindow, 255);
}

} // namespace tarnwick
