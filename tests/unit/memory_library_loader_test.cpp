#include "fakes/memory_library_host.h"
#include "support/memory_library_loader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

namespace tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::TestWithParam;
using ::testing::Values;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint64_t preferredBase = 0x10000000;

// The probe DLL (tests/unit/images/probe.c) built as one kind of image.
struct ProbeKind {
    const char* file;
    ImageKind kind;
    ImageKind otherKind;
};

Bytes readProbe(const char* file) {
    std::ifstream in(std::string(TARNWICK_TEST_IMAGES) + "/" + file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Finds and changes the probe's header fields and tables in its file bytes, to make the
// malformed images the loader must refuse.
class ImageEditor {
  public:
    ImageEditor(Bytes& bytes, ImageKind kind) : bytes_(bytes), layout_(pe::layoutOf(kind)) {}

    std::uint32_t nt() const { return read(pe::dosNewHeaderOffset, 4); }
    std::uint64_t sectionTable() const { return nt() + layout_.ntHeadersSize; }
    unsigned sectionCount() const { return read(nt() + pe::sectionCountOffset, 2); }
    std::uint64_t directory(std::size_t index) const {
        return nt() + layout_.directoryOffset + index * pe::dataDirectoryEntrySize;
    }
    std::uint32_t directoryAddress(std::size_t index) const { return read(directory(index), 4); }
    std::uint32_t imageSize() const { return read(nt() + pe::imageSizeOffset, 4); }
    // The file offset that holds the image's relative address.
    std::uint64_t fileOffset(std::uint32_t address) const {
        for (unsigned i = 0; i < sectionCount(); ++i) {
            const std::uint64_t at = sectionTable() + pe::sectionHeaderSize * i;
            const std::uint32_t start = read(at + pe::sectionVirtualAddress, 4);
            if (address >= start && address - start < read(at + pe::sectionRawSize, 4))
                return read(at + pe::sectionRawOffset, 4) + (address - start);
        }
        ADD_FAILURE() << "no section holds " << address;
        return 0;
    }
    std::uint32_t read(std::uint64_t offset, std::size_t width) const {
        std::uint32_t value = 0;
        for (std::size_t i = width; i-- > 0;)
            value = value << 8 | bytes_.at(offset + i);
        return value;
    }
    void write(std::uint64_t offset, std::uint32_t value, std::size_t width = 4) {
        for (std::size_t i = 0; i < width; ++i)
            bytes_.at(offset + i) = std::uint8_t(value >> (8 * i));
    }

  private:
    Bytes& bytes_;
    const pe::Layout& layout_;
};

class ProbeImage : public TestWithParam<ProbeKind> {
  protected:
    void SetUp() override {
        ASSERT_GT(image.size(), 1024u) << "probe image missing";
        host.procedures = {{"probe_host.dll!hostAdd", 0x5101},
                           {"probe_host.dll!hostTwice", 0x5102},
                           {"probe_ordinals.dll!#40000", 0x5202},
                           {"probe_ordinals.dll!#1", 0x5201}};
    }

    bool load(ImportResolver resolver = nullptr, void* argument = nullptr) {
        return loader.loadImage(image.data(), image.size(), resolver, argument);
    }
    std::uint64_t pointerAt(std::uint64_t address) const {
        return host.read(address, GetParam().kind == ImageKind::pe32 ? 4 : 8);
    }
    // The import address table, read through its own directory entry rather than the import
    // descriptors the loader walks.
    std::vector<std::uint64_t> importAddressTable() const {
        const std::size_t width = GetParam().kind == ImageKind::pe32 ? 4 : 8;
        Bytes headers(image);
        const ImageEditor editor(headers, GetParam().kind);
        const std::uint64_t start = loader.baseAddress() + editor.directoryAddress(12);
        const std::uint32_t size = editor.read(editor.directory(12) + 4, 4);
        std::vector<std::uint64_t> slots;
        for (std::uint64_t at = start; at < start + size; at += width)
            slots.push_back(host.read(at, width));
        return slots;
    }

    Bytes image = readProbe(GetParam().file);
    ImageEditor editor{image, GetParam().kind};
    MemoryLibraryHost host;
    MemoryLibraryLoader loader{host, GetParam().kind};
};

TEST_P(ProbeImage, MapsAtItsPreferredBaseAndRunsTheAttach) {
    ASSERT_TRUE(load());
    EXPECT_EQ(loader.baseAddress(), preferredBase);
    EXPECT_EQ(host.liveBlocks(), 1u);
    // Headers copied whole; the data section in place, its pointer unchanged by a zero delta.
    const std::size_t headers =
        editor.sectionTable() + pe::sectionHeaderSize * editor.sectionCount();
    const std::uint8_t* mapped = host.at(preferredBase, headers);
    ASSERT_NE(mapped, nullptr);
    EXPECT_TRUE(std::equal(mapped, mapped + headers, image.begin()));
    const std::uint64_t value = loader.exportAddress("probeValue");
    EXPECT_EQ(host.read(value, 4), 7u);
    EXPECT_EQ(pointerAt(loader.exportAddress("probePointer")), value);
    EXPECT_EQ(loader.entryPointAddress(),
              preferredBase + editor.read(editor.nt() + pe::entryPointOffset, 4));
    EXPECT_THAT(host.entryCalls,
                ElementsAre(MemoryLibraryHost::EntryCall{loader.entryPointAddress(), 1}));
    EXPECT_THAT(host.loadedModules, ElementsAre("probe_host.dll", "probe_ordinals.dll"));
}

TEST_P(ProbeImage, PlacedElsewhereWhenItsPreferredBaseIsTakenAndRelocated) {
    host.takenAddresses = {preferredBase};
    ASSERT_TRUE(load());
    EXPECT_EQ(loader.baseAddress(), host.anywhereAddress);
    const std::uint64_t value = loader.exportAddress("probeValue");
    EXPECT_EQ(host.read(value, 4), 7u);
    EXPECT_EQ(pointerAt(loader.exportAddress("probePointer")), value);
    EXPECT_EQ(host.entryCalls.at(0).address, loader.entryPointAddress());
    EXPECT_GE(loader.entryPointAddress(), host.anywhereAddress);
}

TEST_P(ProbeImage, WithoutRelocationsLoadsOnlyAtItsPreferredBase) {
    editor.write(editor.directory(pe::relocationDirectory), 0);
    editor.write(editor.directory(pe::relocationDirectory) + 4, 0);
    Bytes atBase = image;
    EXPECT_TRUE(loader.loadImage(atBase.data(), atBase.size()));
    EXPECT_TRUE(loader.unloadImage());

    host.takenAddresses = {preferredBase};
    host.entryCalls.clear();
    EXPECT_FALSE(load());
    EXPECT_EQ(host.liveBlocks(), 0u);
    EXPECT_TRUE(host.entryCalls.empty());
}

TEST_P(ProbeImage, UninitialisedDataIsNotCopiedAndReadsAsZeros) {
    ASSERT_TRUE(load());
    const std::uint8_t* zeros = host.at(loader.exportAddress("probeZeros"), 8192);
    ASSERT_NE(zeros, nullptr);
    EXPECT_TRUE(std::all_of(zeros, zeros + 8192, [](std::uint8_t b) { return b == 0; }));
}

TEST_P(ProbeImage, BindsImportsByNameAndOrdinalThroughTheFirstThunkTable) {
    ASSERT_TRUE(load());
    EXPECT_THAT(importAddressTable(), ElementsAre(0x5101, 0x5102, 0, 0x5202, 0x5201, 0));
}

struct ResolverCall {
    std::string module;
    std::string procedure;
    void* argument;
};

std::uint64_t recordingResolver(const char* module, const char* procedure, void* argument) {
    auto* calls = static_cast<std::vector<ResolverCall>*>(argument);
    calls->push_back({module, procedure, argument});
    return std::string(procedure) == "hostAdd" || std::string(procedure) == "1" ? 0x6001 : 0;
}

TEST_P(ProbeImage, ResolverIsAskedFirstAndTheModuleAnswersWhatItLeaves) {
    std::vector<ResolverCall> calls;
    ASSERT_TRUE(load(recordingResolver, &calls));
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].module + "!" + calls[0].procedure, "probe_host.dll!hostAdd");
    EXPECT_EQ(calls[1].module + "!" + calls[1].procedure, "probe_host.dll!hostTwice");
    EXPECT_EQ(calls[2].module + "!" + calls[2].procedure, "probe_ordinals.dll!40000");
    EXPECT_EQ(calls[3].module + "!" + calls[3].procedure, "probe_ordinals.dll!1");
    EXPECT_EQ(calls[3].argument, &calls);
    EXPECT_THAT(importAddressTable(), ElementsAre(0x6001, 0x5102, 0, 0x5202, 0x6001, 0));
}

std::uint64_t answerEverything(const char*, const char*, void*) {
    return 0x7001;
}

TEST_P(ProbeImage, UnresolvedImportFailsTheLoadWithTheMemoryReleased) {
    host.procedures.erase("probe_ordinals.dll!#1");
    EXPECT_FALSE(load());
    EXPECT_EQ(host.liveBlocks(), 0u);
    EXPECT_EQ(loader.baseAddress(), 0u);
    EXPECT_TRUE(host.entryCalls.empty());
}

TEST_P(ProbeImage, ModuleThatCannotBeLoadedLeavesItsImportsToTheResolver) {
    host.missingModules = {"probe_ordinals.dll"};
    host.otherProcedures = 0x9999; // what a lookup in no module at all must not hand out
    EXPECT_FALSE(load());
    EXPECT_EQ(host.liveBlocks(), 0u);
    EXPECT_TRUE(load(answerEverything));
}

TEST_P(ProbeImage, RefusedAttachIsFollowedByDetachAndRelease) {
    host.attachAnswer = false;
    EXPECT_FALSE(load());
    const std::uint64_t entry = preferredBase + editor.read(editor.nt() + pe::entryPointOffset, 4);
    EXPECT_THAT(host.entryCalls, ElementsAre(MemoryLibraryHost::EntryCall{entry, 1},
                                             MemoryLibraryHost::EntryCall{entry, 0}));
    EXPECT_EQ(host.liveBlocks(), 0u);
    EXPECT_EQ(loader.baseAddress(), 0u);
    EXPECT_EQ(loader.exportAddress("probeCall"), 0u);
}

TEST_P(ProbeImage, UnloadDetachesAndReleasesAndANewLoadUnloadsFirst) {
    ASSERT_TRUE(load());
    const std::uint64_t entry = loader.entryPointAddress();
    ASSERT_TRUE(load());
    EXPECT_EQ(host.liveBlocks(), 1u);
    EXPECT_TRUE(loader.unloadImage());
    EXPECT_THAT(host.entryCalls, ElementsAre(MemoryLibraryHost::EntryCall{entry, 1},
                                             MemoryLibraryHost::EntryCall{entry, 0},
                                             MemoryLibraryHost::EntryCall{entry, 1},
                                             MemoryLibraryHost::EntryCall{entry, 0}));
    EXPECT_EQ(host.liveBlocks(), 0u);
    EXPECT_EQ(loader.baseAddress(), 0u);
    EXPECT_EQ(loader.entryPointAddress(), 0u);
    EXPECT_TRUE(loader.unloadImage());
    EXPECT_EQ(host.entryCalls.size(), 4u);
}

TEST_P(ProbeImage, ImageOfTheOtherKindIsRefusedBeforeAnyAllocation) {
    MemoryLibraryLoader other(host, GetParam().otherKind);
    EXPECT_FALSE(other.loadImage(image.data(), image.size()));
    EXPECT_EQ(host.allocationRequests, 0);
}

TEST_P(ProbeImage, ExportsFoundByExactNameOrPlainDecimalOrdinal) {
    ASSERT_TRUE(load());
    const std::uint64_t call = loader.exportAddress("probeCall");
    EXPECT_EQ(call, preferredBase + 0x1000);
    const struct {
        const char* name;
        std::uint64_t expected;
    } cases[] = {
        {"probeCall", call},
        {"5", call}, // ordinal base 3: index 2
        {"probecall", 0},
        {"PROBECALL", 0},
        {"probeCal", 0},
        {"probeCallx", 0},
        {"05", 0},
        {"+5", 0},
        {" 5", 0},
        {"6", 0}, // a gap in the ordinals
        {"2", 0},
        {"10", 0}, // below the base, past the end
        {"-1", 0},
        {"", 0},
        {"probeHidden", 0},
        {"probe.dll", 0},
        {"99999999999999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loader.exportAddress(c.name), c.expected) << '"' << c.name << '"';
    EXPECT_NE(loader.exportAddress("9"), 0u) << "exported by ordinal only";
    EXPECT_EQ(loader.exportAddress("3"), loader.exportAddress("probeValue"));
}

TEST_P(ProbeImage, NothingIsFoundWhileNothingIsLoaded) {
    EXPECT_EQ(loader.exportAddress("probeCall"), 0u);
    EXPECT_EQ(loader.exportAddress("5"), 0u);
    EXPECT_EQ(loader.entryPointAddress(), 0u);
    EXPECT_EQ(loader.baseAddress(), 0u);
    EXPECT_TRUE(loader.unloadImage());
}

using ImageEdit = std::function<void(Bytes&, ImageEditor&)>;
struct Malformation {
    const char* what;
    ImageEdit edit;
};

const Malformation refusedBeforeAllocation[] = {
    {"63 bytes", [](Bytes& b, ImageEditor&) { b.resize(63); }},
    {"no MZ", [](Bytes& b, ImageEditor&) { b[0] = 'X'; }},
    {"cut inside the NT headers", [](Bytes& b, ImageEditor& e) { b.resize(e.nt() + 100); }},
    {"cut inside the section table",
     [](Bytes& b, ImageEditor& e) {
         b.resize(e.sectionTable() + pe::sectionHeaderSize * e.sectionCount() - 1);
     }},
    {"NT headers past the end", [](Bytes&, ImageEditor& e) { e.write(60, 0xFFFFFFF0); }},
    {"no PE signature", [](Bytes& b, ImageEditor& e) { b[e.nt()] = 'Q'; }},
    {"not an executable image",
     [](Bytes&, ImageEditor& e) {
         e.write(e.nt() + pe::characteristicsOffset,
                 e.read(e.nt() + pe::characteristicsOffset, 2) & ~pe::executableImage, 2);
     }},
    {"optional header of another size",
     [](Bytes&, ImageEditor& e) { e.write(e.nt() + pe::optionalHeaderSizeOffset, 0x100, 2); }},
    {"section alignment 0",
     [](Bytes&, ImageEditor& e) { e.write(e.nt() + pe::sectionAlignmentOffset, 0); }},
    {"section data past the end",
     [](Bytes& b, ImageEditor& e) {
         e.write(e.sectionTable() + pe::sectionRawOffset, std::uint32_t(b.size()) - 16);
     }},
    {"section beyond 32-bit addresses",
     [](Bytes&, ImageEditor& e) {
         e.write(e.sectionTable() + pe::sectionVirtualAddress, 0xFFFFF000);
         e.write(e.sectionTable() + pe::sectionVirtualSize, 0x10000);
     }},
    {"image smaller than its headers",
     [](Bytes&, ImageEditor& e) {
         e.write(e.nt() + pe::sectionCountOffset, 0, 2);
         e.write(e.nt() + pe::imageSizeOffset, 0x100);
     }},
    {"image size 0",
     [](Bytes&, ImageEditor& e) {
         e.write(e.nt() + pe::sectionCountOffset, 0, 2);
         e.write(e.nt() + pe::imageSizeOffset, 0);
     }},
    {"entry point outside the image",
     [](Bytes&, ImageEditor& e) { e.write(e.nt() + pe::entryPointOffset, 0x7FFFFFF0); }},
};

TEST_P(ProbeImage, MalformedHeadersAreRefusedWithoutAnyAllocation) {
    for (const Malformation& m : refusedBeforeAllocation) {
        Bytes bytes = image;
        ImageEditor edit(bytes, GetParam().kind);
        m.edit(bytes, edit);
        MemoryLibraryHost fresh;
        MemoryLibraryLoader refusing(fresh, GetParam().kind);
        EXPECT_FALSE(refusing.loadImage(bytes.data(), bytes.size())) << m.what;
        EXPECT_EQ(fresh.allocationRequests, 0) << m.what;
        EXPECT_EQ(refusing.baseAddress(), 0u) << m.what;
    }
}

std::uint32_t firstDescriptor(const ImageEditor& e) {
    return std::uint32_t(e.fileOffset(e.directoryAddress(pe::importDirectory)));
}

const Malformation refusedAfterMapping[] = {
    {"relocation block of size 0",
     [](Bytes&, ImageEditor& e) {
         e.write(e.fileOffset(e.directoryAddress(pe::relocationDirectory)) + 4, 0);
     }},
    {"relocation block longer than its directory",
     [](Bytes&, ImageEditor& e) {
         e.write(e.fileOffset(e.directoryAddress(pe::relocationDirectory)) + 4, 0x1000);
     }},
    {"relocation target past the image",
     [](Bytes&, ImageEditor& e) {
         e.write(e.fileOffset(e.directoryAddress(pe::relocationDirectory)), e.imageSize());
     }},
    {"relocation directory past the image",
     [](Bytes&, ImageEditor& e) { e.write(e.directory(pe::relocationDirectory), 0xFFFFF000); }},
    {"import descriptors without an end",
     [](Bytes&, ImageEditor& e) { e.write(e.directory(pe::importDirectory), e.imageSize() - 8); }},
    {"module name outside the image",
     [](Bytes&, ImageEditor& e) { e.write(firstDescriptor(e) + 12, 0xFFFFFFF0); }},
    {"module name without an end",
     [](Bytes&, ImageEditor& e) { e.write(firstDescriptor(e) + 12, e.imageSize() - 1); }},
    {"first-thunk table outside the image",
     [](Bytes&, ImageEditor& e) { e.write(firstDescriptor(e) + 16, 0xFFFFFFF0); }},
    {"procedure name outside the image",
     [](Bytes&, ImageEditor& e) {
         e.write(e.fileOffset(e.read(firstDescriptor(e) + 16, 4)), 0x7FFFFFF0);
     }},
};

TEST_P(ProbeImage, MalformedTablesAreRefusedWithTheMemoryReleased) {
    host.takenAddresses = {preferredBase}; // so that every relocation is applied
    for (const Malformation& m : refusedAfterMapping) {
        Bytes bytes = image;
        ImageEditor edit(bytes, GetParam().kind);
        m.edit(bytes, edit);
        EXPECT_FALSE(loader.loadImage(bytes.data(), bytes.size())) << m.what;
        EXPECT_EQ(host.allocationRequests, 2) << m.what;
        EXPECT_EQ(host.liveBlocks(), 0u) << m.what;
        EXPECT_TRUE(host.entryCalls.empty()) << m.what;
        host.allocationRequests = 0;
    }
}

struct BrokenExports {
    const char* what;
    ImageEdit edit;
    std::vector<const char*> unanswered;
};

std::uint64_t exportField(const ImageEditor& e, std::size_t field) {
    return e.fileOffset(e.directoryAddress(pe::exportDirectory)) + field;
}

const BrokenExports brokenExportTables[] = {
    {"export directory outside the image",
     [](Bytes&, ImageEditor& e) { e.write(e.directory(pe::exportDirectory), 0xFFFFFFF0); },
     {"probeZeros", "7", "missing"}},
    {"function table outside the image",
     [](Bytes&, ImageEditor& e) { e.write(exportField(e, pe::exportFunctions), 0xFFFFFFF0); },
     {"probeZeros", "7"}},
    {"name table outside the image",
     [](Bytes&, ImageEditor& e) { e.write(exportField(e, pe::exportNames), 0xFFFFFFF0); },
     {"probeZeros"}},
    {"name ordinals outside the image",
     [](Bytes&, ImageEditor& e) { e.write(exportField(e, pe::exportNameOrdinals), 0xFFFFFFF0); },
     {"probeZeros"}},
    {"name count running off the image",
     [](Bytes&, ImageEditor& e) { e.write(exportField(e, pe::exportNameCount), 0x7FFFFFFF); },
     {"missing"}},
    {"function address outside the image",
     [](Bytes&, ImageEditor& e) {
         e.write(e.fileOffset(e.read(exportField(e, pe::exportFunctions), 4)), 0x7FFFFFF0);
     },
     {"3", "probeValue"}},
    {"forwarded export",
     [](Bytes&, ImageEditor& e) {
         e.write(e.fileOffset(e.read(exportField(e, pe::exportFunctions), 4)),
                 e.directoryAddress(pe::exportDirectory) + 4);
     },
     {"3", "probeValue"}},
};

TEST_P(ProbeImage, BrokenExportTablesAnswerZero) {
    for (const BrokenExports& broken : brokenExportTables) {
        Bytes bytes = image;
        ImageEditor edit(bytes, GetParam().kind);
        broken.edit(bytes, edit);
        ASSERT_TRUE(loader.loadImage(bytes.data(), bytes.size())) << broken.what;
        for (const char* name : broken.unanswered)
            EXPECT_EQ(loader.exportAddress(name), 0u) << broken.what << ": " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, ProbeImage,
                         Values(ProbeKind{"probe32.dll", ImageKind::pe32, ImageKind::pe32Plus},
                                ProbeKind{"probe64.dll", ImageKind::pe32Plus, ImageKind::pe32}),
                         [](const auto& info) {
                             return info.param.kind == ImageKind::pe32 ? "Pe32" : "Pe32Plus";
                         });

} // namespace
} // namespace tarnwick
