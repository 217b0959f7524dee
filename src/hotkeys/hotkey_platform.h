#pragma once
// What the hotkey watcher needs from the system: key states, a periodic timer on the calling
// thread, and fire-and-forget threads. On Windows these are GetAsyncKeyState, a thread timer
// and CreateThread; host tests script them.
#include <cstdint>
#include <functional>

namespace tarnwick {

class KeyStateSource {
  public:
    virtual ~KeyStateSource() = default;
    // The key's asynchronous state: negative while down; positive when up but pressed since the
    // previous read of this key; 0 when up.
    virtual int16_t keyState(int virtualKey) = 0;
};

class TimerStarter {
  public:
    virtual ~TimerStarter() = default;
    // Calls onTick on the calling thread every periodMs while that thread dispatches its
    // messages, for as long as the starter lives.
    virtual void startTimer(int32_t periodMs, std::function<void()> onTick) = 0;
};

class ThreadStarter {
  public:
    virtual ~ThreadStarter() = default;
    // Runs body on a new thread that nobody waits for. A thread that cannot be created is not
    // run.
    virtual void startThread(std::function<void()> body) = 0;
};

struct HotkeyPlatform {
    KeyStateSource& keys;
    TimerStarter& timers;
    ThreadStarter& threads;
};

} // namespace tarnwick
