#include "driver/remote_memory.h"

#include "platform/win32.h"

#include <stdexcept>

namespace e2e {

RemoteMemory::RemoteMemory(HWND window, size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_)
        address_ =
            VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_) {
        if (process_)
            CloseHandle(process_);
        throw std::runtime_error("cannot allocate memory in the program under test");
    }
}

RemoteMemory::~RemoteMemory() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

bool RemoteMemory::write(size_t offset, const void* data, size_t size) const {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &done) &&
           done == size;
}

bool RemoteMemory::read(size_t offset, void* data, size_t size) const {
    SIZE_T done = 0;
    return ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &done) &&
           done == size;
}

} // namespace e2e
