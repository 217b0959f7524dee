#pragma once
// A process for the in-memory loader made of plain memory: blocks at simulated addresses,
// modules and procedures from tables, entry-point calls recorded and answered as told. The
// image's code never runs.
#include "support/library_loader_host.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tarnwick {

class MemoryLibraryHost : public LibraryLoaderHost {
  public:
    struct EntryCall {
        std::uint64_t address;
        std::uint32_t reason;
        bool operator==(const EntryCall&) const = default;
    };

    // Allocations asked for at these addresses fail, as when another module sits there.
    std::set<std::uint64_t> takenAddresses;
    // Where an allocation "anywhere" lands.
    std::uint64_t anywhereAddress = 0x7A000000;
    std::size_t sizeLimit = std::size_t(64) << 20;
    std::set<std::string> missingModules;
    // "module!name" or "module!#ordinal" to the address the module gives.
    std::map<std::string, std::uint64_t> procedures;
    // The answer for any procedure not in the table.
    std::uint64_t otherProcedures = 0;
    bool attachAnswer = true;

    int allocationRequests = 0;
    std::vector<std::string> loadedModules;
    std::vector<EntryCall> entryCalls;

    Block allocate(std::uint64_t address, std::size_t size) override {
        ++allocationRequests;
        if (size > sizeLimit || takenAddresses.count(address))
            return {};
        if (address == 0)
            address = anywhereAddress;
        auto [block, fresh] = blocks_.try_emplace(address, size, std::uint8_t(0));
        if (!fresh)
            return {};
        return {address, block->second.data()};
    }

    bool release(const Block& block) override {
        const auto found = blocks_.find(block.address);
        if (found == blocks_.end() || found->second.data() != block.bytes)
            return false;
        blocks_.erase(found);
        return true;
    }

    std::uint64_t loadModule(const char* name) override {
        if (missingModules.count(name))
            return 0;
        loadedModules.push_back(name);
        return loadedModules.size();
    }

    std::uint64_t procedureByName(std::uint64_t module, const char* name) override {
        return procedure(module, name);
    }

    std::uint64_t procedureByOrdinal(std::uint64_t module, std::uint16_t ordinal) override {
        return procedure(module, "#" + std::to_string(ordinal));
    }

    bool callEntryPoint(std::uint64_t address, std::uint32_t reason) override {
        entryCalls.push_back({address, reason});
        return reason != 1 || attachAnswer;
    }

    std::size_t liveBlocks() const { return blocks_.size(); }

    // The bytes at a simulated address, or null when [address, address + length) is not
    // inside one block.
    const std::uint8_t* at(std::uint64_t address, std::size_t length) const {
        for (const auto& [start, bytes] : blocks_)
            if (address >= start && address - start <= bytes.size() &&
                length <= bytes.size() - (address - start))
                return bytes.data() + (address - start);
        return nullptr;
    }

    std::uint64_t read(std::uint64_t address, std::size_t width) const {
        const std::uint8_t* bytes = at(address, width);
        std::uint64_t value = 0;
        for (std::size_t i = width; bytes && i-- > 0;)
            value = value << 8 | bytes[i];
        return value;
    }

  private:
    std::uint64_t procedure(std::uint64_t module, const std::string& name) const {
        const auto found = procedures.find(loadedModules.at(module - 1) + "!" + name);
        return found != procedures.end() ? found->second : otherProcedures;
    }

    std::map<std::uint64_t, std::vector<std::uint8_t>> blocks_;
};

} // namespace tarnwick
