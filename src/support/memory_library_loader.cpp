#include "support/memory_library_loader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using Block = LibraryLoaderHost::Block;
using pe::ByteRange;

struct DataDirectory {
    std::uint32_t address = 0;
    std::uint32_t size = 0;
};

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

// What the headers say, checked against the input before anything is allocated.
struct ImageHeaders {
    std::uint64_t imageBase = 0;
    std::uint16_t characteristics = 0;
    std::uint64_t imageSize = 0;
    std::uint64_t headersLength = 0;
    std::vector<Section> sections;
};

// The NT headers' offset when the DOS and NT signatures are in place and the headers fit.
std::optional<std::uint64_t> ntHeaders(const ByteRange& image, const pe::Layout& layout) {
    if (!image.holds(0, pe::dosHeaderSize) || image.u16(0) != pe::dosMagic)
        return std::nullopt;
    const std::uint64_t at = image.u32(pe::dosNewHeaderOffset);
    if (!image.holds(at, layout.ntHeadersSize) || image.u32(at) != pe::ntSignature)
        return std::nullopt;
    return at;
}

DataDirectory dataDirectory(const ByteRange& image, std::uint64_t nt, const pe::Layout& layout,
                            std::size_t index) {
    if (index >= image.u32(nt + layout.directoryCountOffset))
        return {};
    const std::uint64_t at = nt + layout.directoryOffset + index * pe::dataDirectoryEntrySize;
    return {image.u32(at), image.u32(at + 4)};
}

std::uint64_t roundUp(std::uint64_t value, std::uint64_t alignment) {
    return alignment * ((value + alignment - 1) / alignment);
}

std::optional<ImageHeaders> readHeaders(const ByteRange& input, const pe::Layout& layout) {
    const auto nt = ntHeaders(input, layout);
    if (!nt)
        return std::nullopt;
    ImageHeaders headers;
    headers.characteristics = input.u16(*nt + pe::characteristicsOffset);
    if (!(headers.characteristics & pe::executableImage))
        return std::nullopt;
    // An image of the other kind, or one whose section table is not where we read it.
    if (input.u16(*nt + pe::optionalHeaderOffset) != layout.magic ||
        input.u16(*nt + pe::machineOffset) != layout.machine ||
        input.u16(*nt + pe::optionalHeaderSizeOffset) !=
            layout.ntHeadersSize - pe::optionalHeaderOffset)
        return std::nullopt;
    const unsigned sectionCount = input.u16(*nt + pe::sectionCountOffset);
    const std::uint64_t sectionTable = *nt + layout.ntHeadersSize;
    headers.headersLength = sectionTable + pe::sectionHeaderSize * sectionCount;
    if (!input.holds(0, headers.headersLength))
        return std::nullopt;
    const std::uint64_t alignment = input.u32(*nt + pe::sectionAlignmentOffset);
    if (alignment == 0)
        return std::nullopt;

    headers.imageSize = input.u32(*nt + pe::imageSizeOffset);
    for (unsigned i = 0; i < sectionCount; ++i) {
        const std::uint64_t at = sectionTable + pe::sectionHeaderSize * i;
        const Section section{input.u32(at + pe::sectionVirtualAddress),
                              input.u32(at + pe::sectionRawSize),
                              input.u32(at + pe::sectionRawOffset)};
        const std::uint64_t extent =
            std::max<std::uint64_t>(input.u32(at + pe::sectionVirtualSize), section.rawSize);
        headers.imageSize =
            std::max(headers.imageSize, roundUp(section.virtualAddress + extent, alignment));
        if (section.rawSize > 0 && section.virtualAddress != 0) {
            if (!input.holds(section.rawOffset, section.rawSize))
                return std::nullopt;
            headers.sections.push_back(section);
        }
    }
    // Relative addresses are 32-bit: a larger image cannot be addressed by its own tables.
    if (headers.imageSize == 0 || headers.imageSize > std::numeric_limits<std::uint32_t>::max() ||
        headers.headersLength > headers.imageSize)
        return std::nullopt;
    const std::uint32_t entryPoint = input.u32(*nt + pe::entryPointOffset);
    if (entryPoint >= headers.imageSize)
        return std::nullopt;
    headers.imageBase = input.read(*nt + layout.imageBaseOffset, layout.imageBaseSize);
    return headers;
}

void writeLittleEndian(std::uint8_t* at, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        at[i] = std::uint8_t(value >> (8 * i));
}

// Adds the delta to every absolute address the relocation blocks name; false when a block or a
// target lies outside the directory or the image.
bool relocate(const Block& image, const ByteRange& mapped, DataDirectory directory,
              std::uint64_t delta, const pe::Layout& layout) {
    if (!mapped.holds(directory.address, directory.size))
        return false;
    std::uint64_t offset = 0;
    while (directory.size - offset >= pe::relocationBlockHeaderSize) {
        const std::uint64_t block = directory.address + offset;
        const std::uint32_t page = mapped.u32(block);
        const std::uint32_t blockSize = mapped.u32(block + 4);
        if (page == 0)
            break;
        if (blockSize < pe::relocationBlockHeaderSize || blockSize > directory.size - offset)
            return false;
        for (std::uint64_t e = pe::relocationBlockHeaderSize; e + 2 <= blockSize; e += 2) {
            const std::uint16_t entry = mapped.u16(block + e);
            const unsigned type = entry >> 12;
            const std::size_t width = type == pe::relocationHighLow                          ? 4
                                      : type == pe::relocationDir64 && layout.thunkSize == 8 ? 8
                                                                                             : 0;
            if (width == 0)
                continue;
            const std::uint64_t target = std::uint64_t(page) + (entry & 0xFFF);
            if (!mapped.holds(target, width))
                return false;
            writeLittleEndian(image.bytes + target, mapped.read(target, width) + delta, width);
        }
        offset += blockSize;
    }
    return true;
}

// Writes each import's address over its entry in the first-thunk table.
bool bindImports(const Block& image, const ByteRange& mapped, DataDirectory directory,
                 const pe::Layout& layout, LibraryLoaderHost& host, ImportResolver resolver,
                 void* resolverArgument) {
    for (std::uint64_t at = directory.address;; at += pe::importDescriptorSize) {
        if (!mapped.holds(at, pe::importDescriptorSize))
            return false;
        const std::uint32_t firstThunk = mapped.u32(at + pe::importFirstThunkOffset);
        if (firstThunk == 0)
            return true;
        std::string_view moduleName;
        if (!mapped.text(mapped.u32(at + pe::importNameOffset), moduleName))
            return false;
        // A module that cannot be loaded leaves its imports to the resolver.
        const std::uint64_t module = host.loadModule(moduleName.data());
        for (std::uint64_t slot = firstThunk;; slot += layout.thunkSize) {
            if (!mapped.holds(slot, layout.thunkSize))
                return false;
            const std::uint64_t entry = mapped.read(slot, layout.thunkSize);
            if (entry == 0)
                break;
            const bool byOrdinal = (entry & layout.importByOrdinal) != 0;
            const auto ordinal = std::uint16_t(entry);
            std::string ordinalText;
            std::string_view procedureName;
            if (byOrdinal)
                ordinalText = std::to_string(ordinal);
            else if (!mapped.text(entry + 2, procedureName)) // after the 16-bit hint
                return false;
            const char* asked = byOrdinal ? ordinalText.c_str() : procedureName.data();
            std::uint64_t address =
                resolver ? resolver(moduleName.data(), asked, resolverArgument) : 0;
            if (address == 0 && module != 0)
                address = byOrdinal ? host.procedureByOrdinal(module, ordinal)
                                    : host.procedureByName(module, procedureName.data());
            if (address == 0)
                return false;
            writeLittleEndian(image.bytes + slot, address, layout.thunkSize);
        }
    }
}

// The text names an ordinal when it is a number that reads back as the same text.
std::optional<std::int64_t> plainDecimal(std::string_view name) {
    std::int64_t number = 0;
    const char* end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data(), end, number);
    if (error != std::errc{} || stop != end || std::to_string(number) != name)
        return std::nullopt;
    return number;
}

} // namespace

bool MemoryLibraryLoader::loadImage(const void* bytes, std::size_t length, ImportResolver resolver,
                                    void* resolverArgument) {
    if (image_.bytes)
        unloadImage();
    const ByteRange input(static_cast<const std::uint8_t*>(bytes), bytes ? length : 0);
    const auto headers = readHeaders(input, layout_);
    if (!headers)
        return false;

    const auto size = std::size_t(headers->imageSize);
    Block image = host_.allocate(headers->imageBase, size);
    if (!image.bytes)
        image = host_.allocate(0, size);
    if (!image.bytes)
        return false;
    const auto* source = static_cast<const std::uint8_t*>(bytes);
    std::memcpy(image.bytes, source, std::size_t(headers->headersLength));
    for (const Section& section : headers->sections)
        std::memcpy(image.bytes + section.virtualAddress, source + section.rawOffset,
                    section.rawSize);

    const ByteRange mapped(image.bytes, headers->imageSize);
    const std::uint64_t nt = mapped.u32(pe::dosNewHeaderOffset);
    const auto fail = [&] {
        host_.release(image);
        return false;
    };
    const std::uint64_t delta = image.address - headers->imageBase;
    const DataDirectory relocations = dataDirectory(mapped, nt, layout_, pe::relocationDirectory);
    if (relocations.size > 0) {
        if (!relocate(image, mapped, relocations, delta, layout_))
            return fail();
    } else if (delta != 0) {
        return fail(); // its absolute addresses would point outside it
    }
    const DataDirectory imports = dataDirectory(mapped, nt, layout_, pe::importDirectory);
    if (imports.address > 0 &&
        !bindImports(image, mapped, imports, layout_, host_, resolver, resolverArgument))
        return fail();

    const std::uint32_t entryPoint = mapped.u32(nt + pe::entryPointOffset);
    if ((headers->characteristics & pe::dynamicLibrary) && entryPoint != 0 &&
        !host_.callEntryPoint(image.address + entryPoint, pe::processAttach)) {
        host_.callEntryPoint(image.address + entryPoint, pe::processDetach);
        return fail();
    }
    image_ = image;
    imageSize_ = headers->imageSize;
    return true;
}

bool MemoryLibraryLoader::unloadImage() {
    if (!image_.bytes)
        return true;
    const ByteRange image = mapped();
    const auto nt = ntHeaders(image, layout_);
    if (!nt)
        return false;
    const std::uint64_t entryPoint = entryPointAddress();
    if ((image.u16(*nt + pe::characteristicsOffset) & pe::dynamicLibrary) && entryPoint != 0)
        host_.callEntryPoint(entryPoint, pe::processDetach);
    if (host_.release(image_)) {
        image_ = {};
        imageSize_ = 0;
    }
    return !image_.bytes;
}

std::uint64_t MemoryLibraryLoader::entryPointAddress() const {
    const ByteRange image = mapped();
    const auto nt = ntHeaders(image, layout_);
    if (!nt)
        return 0;
    const std::uint32_t entryPoint = image.u32(*nt + pe::entryPointOffset);
    return entryPoint != 0 && entryPoint < imageSize_ ? image_.address + entryPoint : 0;
}

std::uint64_t MemoryLibraryLoader::exportAddress(std::string_view name) const {
    const ByteRange image = mapped();
    const auto nt = ntHeaders(image, layout_);
    if (!nt)
        return 0;
    const DataDirectory directory = dataDirectory(image, *nt, layout_, pe::exportDirectory);
    if (directory.size == 0 || !image.holds(directory.address, pe::exportDirectorySize))
        return 0;
    const std::uint64_t at = directory.address;
    const std::uint32_t functionCount = image.u32(at + pe::exportFunctionCount);
    const std::uint64_t functions = image.u32(at + pe::exportFunctions);

    const auto functionAt = [&](std::uint64_t index) -> std::uint64_t {
        const std::uint64_t entry = functions + 4 * index;
        if (index >= functionCount || !image.holds(entry, 4))
            return 0;
        const std::uint32_t address = image.u32(entry);
        // A forwarder names another module's export as text inside the directory.
        const bool forwarded =
            address >= directory.address && address - directory.address < directory.size;
        return address != 0 && address < imageSize_ && !forwarded ? image_.address + address : 0;
    };

    if (const auto number = plainDecimal(name)) {
        const std::int64_t index = *number - std::int64_t(image.u32(at + pe::exportOrdinalBase));
        return index >= 0 ? functionAt(std::uint64_t(index)) : 0;
    }
    const std::uint32_t nameCount = image.u32(at + pe::exportNameCount);
    const std::uint64_t names = image.u32(at + pe::exportNames);
    const std::uint64_t nameOrdinals = image.u32(at + pe::exportNameOrdinals);
    for (std::uint64_t i = 0; i < nameCount; ++i) {
        if (!image.holds(names + 4 * i, 4) || !image.holds(nameOrdinals + 2 * i, 2))
            return 0;
        std::string_view exported;
        if (!image.text(image.u32(names + 4 * i), exported) || exported != name)
            continue;
        if (const std::uint64_t address = functionAt(image.u16(nameOrdinals + 2 * i)))
            return address;
    }
    return 0;
}

} // namespace tarnwick
