#pragma once
// Owns a kernel handle and closes it once, on every path out of the scope.
#include "platform/win32.h"

namespace tarnwick::platform {

class UniqueHandle {
  public:
    UniqueHandle() = default;
    // Both null and INVALID_HANDLE_VALUE mean "no handle", as Win32 functions differ in which
    // they return on failure.
    explicit UniqueHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    HANDLE get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    HANDLE release() {
        HANDLE h = h_;
        h_ = nullptr;
        return h;
    }
    void reset(HANDLE h = nullptr) {
        if (h_)
            CloseHandle(h_);
        h_ = h == INVALID_HANDLE_VALUE ? nullptr : h;
    }

  private:
    HANDLE h_ = nullptr;
};

} // namespace tarnwick::platform
