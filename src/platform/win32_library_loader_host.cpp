#include "platform/win32_library_loader_host.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace tarnwick::platform {
namespace {

using EntryPoint = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

template <typename T> T fromAddress(std::uint64_t address) {
    return reinterpret_cast<T>(static_cast<std::uintptr_t>(address));
}

std::uint64_t toAddress(const void* pointer) {
    return reinterpret_cast<std::uintptr_t>(pointer);
}

std::uint64_t procedureAddress(FARPROC procedure) {
    return reinterpret_cast<std::uintptr_t>(procedure);
}

} // namespace

LibraryLoaderHost::Block Win32LibraryLoaderHost::allocate(std::uint64_t address, std::size_t size) {
    if (address > std::numeric_limits<std::uintptr_t>::max())
        return {};
    void* memory = VirtualAlloc(fromAddress<void*>(address), size, MEM_COMMIT | MEM_RESERVE,
                                PAGE_EXECUTE_READWRITE);
    return {toAddress(memory), static_cast<std::uint8_t*>(memory)};
}

bool Win32LibraryLoaderHost::release(const Block& block) {
    return VirtualFree(block.bytes, 0, MEM_RELEASE) != FALSE;
}

std::uint64_t Win32LibraryLoaderHost::loadModule(const char* name) {
    if (std::strpbrk(name, "\\/:") != nullptr)
        return 0;
    return toAddress(LoadLibraryExW(widen(name).c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

std::uint64_t Win32LibraryLoaderHost::procedureByName(std::uint64_t module, const char* name) {
    return procedureAddress(GetProcAddress(fromAddress<HMODULE>(module), name));
}

std::uint64_t Win32LibraryLoaderHost::procedureByOrdinal(std::uint64_t module,
                                                         std::uint16_t ordinal) {
    return procedureAddress(
        GetProcAddress(fromAddress<HMODULE>(module), MAKEINTRESOURCEA(ordinal)));
}

bool Win32LibraryLoaderHost::callEntryPoint(std::uint64_t address, std::uint32_t reason) {
    return fromAddress<EntryPoint>(address)(nullptr, reason, nullptr) != FALSE;
}

} // namespace tarnwick::platform
