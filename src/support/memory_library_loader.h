#pragma once
// Maps a DLL image held in memory: headers and sections copied into place, base relocations
// applied, imports bound through the first-thunk table, the entry point run; then answers
// export addresses. Loads images of one kind only (PE32 in a 32-bit process, PE32+ in a
// 64-bit one). Every table is checked against the input and the image before it is used, so a
// malformed image is refused with nothing left allocated.
#include "support/library_loader_host.h"
#include "support/pe_format.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarnwick {

// Asked first for every import: the module's name, the procedure's name (or its ordinal as
// decimal text) and the argument given to loadImage. 0 leaves the import to the module.
using ImportResolver = std::uint64_t (*)(const char* moduleName, const char* procedureName,
                                         void* argument);

class MemoryLibraryLoader {
  public:
    explicit MemoryLibraryLoader(LibraryLoaderHost& host, ImageKind kind = nativeImageKind)
        : host_(host), layout_(pe::layoutOf(kind)) {}
    // A loaded image stays mapped until the process ends.
    ~MemoryLibraryLoader() = default;
    MemoryLibraryLoader(const MemoryLibraryLoader&) = delete;
    MemoryLibraryLoader& operator=(const MemoryLibraryLoader&) = delete;

    bool loadImage(const void* bytes, std::size_t length, ImportResolver resolver = nullptr,
                   void* resolverArgument = nullptr);
    // True when no image is loaded afterwards.
    bool unloadImage();
    // By exact name, or by ordinal when the name is a plain decimal number; 0 when not exported.
    std::uint64_t exportAddress(std::string_view name) const;
    // 0 while nothing is loaded or when the image has no entry point.
    std::uint64_t entryPointAddress() const;
    std::uint64_t baseAddress() const { return image_.address; }

  private:
    pe::ByteRange mapped() const { return {image_.bytes, imageSize_}; }

    LibraryLoaderHost& host_;
    const pe::Layout& layout_;
    LibraryLoaderHost::Block image_;
    std::uint64_t imageSize_ = 0;
};

} // namespace tarnwick
