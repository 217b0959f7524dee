#pragma once
// A block of memory inside another process, for messages whose arguments point at memory
// the receiving control fills or reads (list-view items and columns). Freed by its owner.
#include <cstddef>
#include <cstdint>
#include <vector>

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

class RemoteMemory {
  public:
    // Memory of the given size in the process that owns the window.
    RemoteMemory(HWND window, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // The block's address as the other process sees it.
    intptr_t address() const { return reinterpret_cast<intptr_t>(address_); }
    intptr_t addressAt(size_t offset) const { return address() + static_cast<intptr_t>(offset); }
    bool write(size_t offset, const void* data, size_t size) const;
    bool read(size_t offset, void* data, size_t size) const;

    template <class T> bool write(size_t offset, const T& value) const {
        return write(offset, &value, sizeof value);
    }
    template <class T> bool read(size_t offset, T& value) const {
        return read(offset, &value, sizeof value);
    }

  private:
    void* process_ = nullptr;
    void* address_ = nullptr;
};

} // namespace e2e
