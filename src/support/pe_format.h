#pragma once
// The published PE structures the loader reads, as byte offsets, and reads that never leave
// the bytes they are given.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarnwick {

// PE32 images run in 32-bit processes, PE32+ images in 64-bit ones.
enum class ImageKind { pe32, pe32Plus };
inline constexpr ImageKind nativeImageKind =
    sizeof(void*) == 8 ? ImageKind::pe32Plus : ImageKind::pe32;

namespace pe {

inline constexpr std::uint16_t dosMagic = 0x5A4D;        // "MZ"
inline constexpr std::uint32_t ntSignature = 0x00004550; // "PE\0\0"
inline constexpr std::uint16_t executableImage = 0x0002; // IMAGE_FILE_EXECUTABLE_IMAGE
inline constexpr std::uint16_t dynamicLibrary = 0x2000;  // IMAGE_FILE_DLL
inline constexpr std::uint32_t processAttach = 1;        // DLL_PROCESS_ATTACH
inline constexpr std::uint32_t processDetach = 0;        // DLL_PROCESS_DETACH

inline constexpr std::size_t dosHeaderSize = 64;
inline constexpr std::size_t dosNewHeaderOffset = 60; // e_lfanew

// Offsets from the start of the NT headers.
inline constexpr std::size_t machineOffset = 4;
inline constexpr std::size_t sectionCountOffset = 6;
inline constexpr std::size_t optionalHeaderSizeOffset = 20;
inline constexpr std::size_t characteristicsOffset = 22;
inline constexpr std::size_t optionalHeaderOffset = 24;
inline constexpr std::size_t entryPointOffset = optionalHeaderOffset + 16;
inline constexpr std::size_t sectionAlignmentOffset = optionalHeaderOffset + 32;
inline constexpr std::size_t imageSizeOffset = optionalHeaderOffset + 56;

inline constexpr std::size_t sectionHeaderSize = 40;
inline constexpr std::size_t sectionVirtualSize = 8;
inline constexpr std::size_t sectionVirtualAddress = 12;
inline constexpr std::size_t sectionRawSize = 16;
inline constexpr std::size_t sectionRawOffset = 20;

inline constexpr std::size_t exportDirectory = 0;
inline constexpr std::size_t importDirectory = 1;
inline constexpr std::size_t relocationDirectory = 5;
inline constexpr std::size_t dataDirectoryEntrySize = 8;

inline constexpr std::size_t importDescriptorSize = 20;
inline constexpr std::size_t importNameOffset = 12;
inline constexpr std::size_t importFirstThunkOffset = 16;

inline constexpr std::size_t exportDirectorySize = 40;
inline constexpr std::size_t exportOrdinalBase = 16;
inline constexpr std::size_t exportFunctionCount = 20;
inline constexpr std::size_t exportNameCount = 24;
inline constexpr std::size_t exportFunctions = 28;
inline constexpr std::size_t exportNames = 32;
inline constexpr std::size_t exportNameOrdinals = 36;

inline constexpr std::size_t relocationBlockHeaderSize = 8;
inline constexpr unsigned relocationHighLow = 3;
inline constexpr unsigned relocationDir64 = 10;

// Where the two kinds differ.
struct Layout {
    std::uint16_t magic;
    std::uint16_t machine;
    std::size_t ntHeadersSize; // signature, file header and the whole optional header
    std::size_t imageBaseOffset;
    std::size_t imageBaseSize;
    std::size_t directoryCountOffset;
    std::size_t directoryOffset;
    std::size_t thunkSize;
    std::uint64_t importByOrdinal;
};

inline constexpr Layout pe32Layout{0x10B,
                                   0x014C,
                                   248,
                                   optionalHeaderOffset + 28,
                                   4,
                                   optionalHeaderOffset + 92,
                                   optionalHeaderOffset + 96,
                                   4,
                                   std::uint64_t(1) << 31};
inline constexpr Layout pe32PlusLayout{0x20B,
                                       0x8664,
                                       264,
                                       optionalHeaderOffset + 24,
                                       8,
                                       optionalHeaderOffset + 108,
                                       optionalHeaderOffset + 112,
                                       8,
                                       std::uint64_t(1) << 63};

constexpr const Layout& layoutOf(ImageKind kind) {
    return kind == ImageKind::pe32 ? pe32Layout : pe32PlusLayout;
}

// Little-endian reads over a byte range; a read that does not fit gives 0, so callers check
// `holds` wherever a missing value must refuse the image.
class ByteRange {
  public:
    ByteRange(const std::uint8_t* data, std::uint64_t size) : data_(data), size_(size) {}

    std::uint64_t size() const { return size_; }
    bool holds(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    std::uint64_t read(std::uint64_t offset, std::size_t width) const {
        if (!holds(offset, width))
            return 0;
        std::uint64_t value = 0;
        for (std::size_t i = width; i-- > 0;)
            value = value << 8 | data_[offset + i];
        return value;
    }
    std::uint16_t u16(std::uint64_t offset) const { return std::uint16_t(read(offset, 2)); }
    std::uint32_t u32(std::uint64_t offset) const { return std::uint32_t(read(offset, 4)); }
    // The zero-terminated text at offset; false when its terminator is not inside the range.
    bool text(std::uint64_t offset, std::string_view& out) const {
        if (offset >= size_)
            return false;
        const auto* begin = reinterpret_cast<const char*>(data_ + offset);
        const std::size_t room = std::size_t(size_ - offset);
        const std::string_view rest(begin, room);
        const std::size_t end = rest.find('\0');
        if (end == std::string_view::npos)
            return false;
        out = rest.substr(0, end);
        return true;
    }

  private:
    const std::uint8_t* data_;
    std::uint64_t size_;
};

} // namespace pe
} // namespace tarnwick
