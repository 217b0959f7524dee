// Any bytes handed to the in-memory loader: it must never read or write outside the input or
// the image, and a refused image must leave nothing allocated.
#include "../unit/fakes/memory_library_host.h"
#include "support/memory_library_loader.h"

#include <cstdlib>

namespace {

void loadAs(tarnwick::ImageKind kind, const std::uint8_t* data, std::size_t size) {
    tarnwick::MemoryLibraryHost host;
    host.sizeLimit = std::size_t(16) << 20;
    host.otherProcedures = 0x1000;
    host.attachAnswer = size % 2 == 0;
    if (size % 3 == 0)
        host.takenAddresses = {0x10000000, 0x180000000};
    tarnwick::MemoryLibraryLoader loader(host, kind);
    if (!loader.loadImage(data, size)) {
        if (host.liveBlocks() != 0 || loader.baseAddress() != 0)
            std::abort();
        return;
    }
    for (const char* name : {"probeCall", "SkinAttachData", "1", "5", "65535", ""})
        loader.exportAddress(name);
    loader.entryPointAddress();
    loader.unloadImage();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    loadAs(tarnwick::ImageKind::pe32, data, size);
    loadAs(tarnwick::ImageKind::pe32Plus, data, size);
    return 0;
}
