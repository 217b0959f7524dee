#pragma once
// The desktop a run plays on, in virtual time: every injection, wait and main-window call
// lands in one log, waits move the clock at once, and hooks fire at chosen moments inside a
// wait (as another thread would act while the runner sleeps).
#include "player/input_primitives.h"
#include "player/runner_shell.h"
#include "player/waiter.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tarnwick::testing {

class VirtualDesktop : public InputPrimitives, public Waiter, public RunnerShell {
  public:
    std::vector<std::string> log;
    int64_t now = 0;
    // How late every wait comes back, as a real timer does; the lateness moves only the
    // clock the waiter reports, so hook moments stay in whole milliseconds.
    int64_t overrunMicroseconds = 0;
    std::string clipboard = "before";

    void clear() {
        log.clear();
        lastWindow_ = 0;
    }

    // The hook runs inside the first wait that passes the moment.
    void at(int64_t moment, std::function<void()> hook) { hooks_.emplace(moment, std::move(hook)); }

    void wait(int32_t milliseconds) override {
        if (milliseconds <= 0)
            return;
        log.push_back("wait " + std::to_string(milliseconds));
        const int64_t end = now + milliseconds;
        while (!hooks_.empty() && hooks_.begin()->first <= end) {
            auto hook = std::move(hooks_.begin()->second);
            now = std::max(now, hooks_.begin()->first);
            hooks_.erase(hooks_.begin());
            hook();
        }
        now = std::max(now, end);
        lateness_ += overrunMicroseconds;
    }
    int64_t nowMicroseconds() override { return now * 1000 + lateness_; }

    void moveCursor(int32_t x, int32_t y) override {
        log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void clickButton(int32_t button, int32_t kind) override {
        log.push_back("click " + std::to_string(button) + "," + std::to_string(kind));
    }
    void postWheel(WindowHandle target, WheelDirection direction) override {
        log.push_back(std::string(direction == WheelDirection::up ? "wheel up" : "wheel down") +
                      to(target));
    }
    void setClipboardText(const std::string& text) override {
        clipboard = text;
        log.push_back("clipboard " + text);
    }
    void pasteText(WindowHandle target, const std::string& text, bool replace) override {
        const std::string saved = clipboard;
        if (replace)
            clipboard = text;
        log.push_back("paste " + clipboard + to(target));
        clipboard = saved;
    }
    void postKey(WindowHandle target, int32_t code, KeyKind kind) override {
        log.push_back((kind == KeyKind::press ? "press " : "key ") + std::to_string(code) +
                      to(target));
    }
    void typeText(WindowHandle target, const std::string& text) override {
        log.push_back("type " + text + to(target));
    }
    // A new window each time, so the log shows every lookup.
    WindowHandle windowUnderCursor() override { return WindowHandle(++lastWindow_); }

    void setWindowVisible(bool visible) override { log.push_back(visible ? "show" : "hide"); }
    void setCaption(const std::string& caption) override { log.push_back("caption " + caption); }
    void showTrayIcon(const std::string& tip) override { log.push_back("tray " + tip); }
    void removeTrayIcon() override { log.push_back("untray"); }

  private:
    static std::string to(WindowHandle target) {
        return " ->" + std::to_string(std::uintptr_t(target));
    }

    std::multimap<int64_t, std::function<void()>> hooks_;
    std::uintptr_t lastWindow_ = 0;
    int64_t lateness_ = 0;
};

} // namespace tarnwick::testing
