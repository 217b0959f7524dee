#pragma once
// The hotkey watcher's system services on Win32: GetAsyncKeyState, thread timers without a
// window, and threads started with CreateThread whose handles are closed at once.
#include "hotkeys/hotkey_platform.h"

#include <memory>
#include <vector>

namespace tarnwick::platform {

class Win32KeyStates : public KeyStateSource {
  public:
    int16_t keyState(int virtualKey) override;
};

// Owns the timers it starts. Belongs to the thread that starts them, which must dispatch its
// messages for them to tick; destroying it ends them (in the program: at exit).
class Win32ThreadTimers : public TimerStarter {
  public:
    Win32ThreadTimers();
    ~Win32ThreadTimers() override;
    Win32ThreadTimers(const Win32ThreadTimers&) = delete;
    Win32ThreadTimers& operator=(const Win32ThreadTimers&) = delete;

    // A failure of SetTimer is not reported: the timer just never ticks.
    void startTimer(int32_t periodMs, std::function<void()> onTick) override;

  private:
    struct Timer;
    std::vector<std::unique_ptr<Timer>> timers_;
};

class Win32Threads : public ThreadStarter {
  public:
    void startThread(std::function<void()> body) override;
};

} // namespace tarnwick::platform
