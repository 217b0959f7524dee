#pragma once
// The hotkey watcher's system services, scripted: a keyboard whose keys the test presses and
// releases, a timer that ticks when the test says so, and threads that run when the test lets
// them.
#include "hotkeys/hotkey_platform.h"

#include <array>
#include <functional>
#include <vector>

namespace tarnwick::testing {

// Answers as GetAsyncKeyState does: the top bit while the key is down, the low bit when it
// went down since the previous read of that key.
class ScriptedKeyboard : public KeyStateSource {
  public:
    void press(int key) {
        down_[size_t(key)] = true;
        pressedSinceRead_[size_t(key)] = true;
    }
    void release(int key) { down_[size_t(key)] = false; }
    // Down and up again between two reads.
    void tap(int key) {
        press(key);
        release(key);
    }

    int16_t keyState(int key) override {
        const bool pressed = pressedSinceRead_[size_t(key)];
        pressedSinceRead_[size_t(key)] = false;
        return int16_t((down_[size_t(key)] ? 0x8000 : 0) | (pressed ? 1 : 0));
    }

  private:
    std::array<bool, 256> down_{};
    std::array<bool, 256> pressedSinceRead_{};
};

class ManualTimers : public TimerStarter {
  public:
    struct Timer {
        int32_t periodMs;
        std::function<void()> onTick;
    };
    std::vector<Timer> started;

    void startTimer(int32_t periodMs, std::function<void()> onTick) override {
        started.push_back({periodMs, std::move(onTick)});
    }
    void tickAll() {
        for (const Timer& timer : started)
            timer.onTick();
    }
};

class QueuedThreads : public ThreadStarter {
  public:
    std::vector<std::function<void()>> waiting;

    void startThread(std::function<void()> body) override { waiting.push_back(std::move(body)); }
    void runAll() {
        std::vector<std::function<void()>> bodies;
        bodies.swap(waiting);
        for (const auto& body : bodies)
            body();
    }
};

} // namespace tarnwick::testing
