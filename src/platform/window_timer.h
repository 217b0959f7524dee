#pragma once
// A timer of a window: its callback runs on the window's thread, from its message dispatch,
// every period until stopped. Stopped when destroyed.
#include "platform/handles.h"

#include <functional>

namespace tarnwick::platform {

class WindowTimer {
  public:
    WindowTimer() = default;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() { stop(); }

    // Restarts the timer when it runs already.
    bool start(HWND window, unsigned periodMs, std::function<void()> onTick);
    void stop();
    bool isRunning() const { return window_ != nullptr; }

    // For the timer procedure only.
    void tick();

  private:
    HWND window_ = nullptr;
    std::function<void()> onTick_;
};

} // namespace tarnwick::platform
