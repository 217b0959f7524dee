#include "platform/window_timer.h"

#include "platform/win32.h"

namespace tarnwick::platform {
namespace {

// The timer's identifier is its object's address, so the procedure finds it without a table.
void CALLBACK timerProcedure(HWND, UINT, UINT_PTR id, DWORD) {
    try {
        reinterpret_cast<WindowTimer*>(id)->tick();
    } catch (...) {
        // Nothing may unwind into the system's code.
    }
}

} // namespace

bool WindowTimer::start(HWND window, unsigned periodMs, std::function<void()> onTick) {
    stop();
    onTick_ = std::move(onTick);
    if (!SetTimer(window, reinterpret_cast<UINT_PTR>(this), periodMs, timerProcedure))
        return false;
    window_ = window;
    return true;
}

void WindowTimer::stop() {
    if (!window_)
        return;
    KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

void WindowTimer::tick() {
    // A tick already queued when the timer stopped is dropped.
    if (window_ && onTick_)
        onTick_();
}

} // namespace tarnwick::platform
