#pragma once
// The in-memory loader's host in this process: VirtualAlloc'd image memory, modules from the
// system directory, entry points called for real.
#include "support/library_loader_host.h"

namespace tarnwick::platform {

class Win32LibraryLoaderHost : public LibraryLoaderHost {
  public:
    Block allocate(std::uint64_t address, std::size_t size) override;
    bool release(const Block& block) override;
    // Never from the current or the run directory, and never a name that carries a path.
    std::uint64_t loadModule(const char* name) override;
    std::uint64_t procedureByName(std::uint64_t module, const char* name) override;
    std::uint64_t procedureByOrdinal(std::uint64_t module, std::uint16_t ordinal) override;
    bool callEntryPoint(std::uint64_t address, std::uint32_t reason) override;
};

} // namespace tarnwick::platform
