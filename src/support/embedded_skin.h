#pragma once
// The skin library's DLL image and the skin data block, read-only bytes of the program
// (generated from skin/ by the Windows build).
#include <cstddef>

namespace tarnwick {

struct EmbeddedBlock {
    const unsigned char* bytes;
    std::size_t size;
};

EmbeddedBlock embeddedSkinLibrary();
EmbeddedBlock embeddedSkinData();

} // namespace tarnwick
