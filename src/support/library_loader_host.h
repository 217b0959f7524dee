#pragma once
// What the in-memory library loader needs from the process it maps an image into. The Win32
// implementation is in the platform layer; tests hand in their own to check the mapping
// without running the image's code.
#include <cstddef>
#include <cstdint>

namespace tarnwick {

class LibraryLoaderHost {
  public:
    // One block of image memory: the address the image's code sees, and where its bytes are
    // written (the same place on Windows).
    struct Block {
        std::uint64_t address = 0;
        std::uint8_t* bytes = nullptr;
    };

    virtual ~LibraryLoaderHost() = default;
    // Committed, zero-filled, readable, writable and executable memory at the address, or
    // anywhere when the address is 0. A block with no bytes when it cannot be had.
    virtual Block allocate(std::uint64_t address, std::size_t size) = 0;
    virtual bool release(const Block& block) = 0;
    // A module from the system directory only; 0 when it cannot be loaded.
    virtual std::uint64_t loadModule(const char* name) = 0;
    virtual std::uint64_t procedureByName(std::uint64_t module, const char* name) = 0;
    virtual std::uint64_t procedureByOrdinal(std::uint64_t module, std::uint16_t ordinal) = 0;
    // Calls a DLL entry point with instance 0, the reason and reserved 0; its answer.
    virtual bool callEntryPoint(std::uint64_t address, std::uint32_t reason) = 0;
};

} // namespace tarnwick
