#pragma once
// The program's notification-area icon. Show and remove are safe from any thread.
#include <atomic>
#include <functional>
#include <string>

namespace tarnwick::platform {

class Window;

class TrayIcon {
  public:
    // The icon belongs to the window, which receives its callbacks.
    explicit TrayIcon(Window& owner);
    // Replaces the icon when it is already shown.
    void show(const std::string& tip);
    void remove();
    bool isShown() const { return shown_.load(); }

    // The kind of mouse action: 1 left button released, 2 left double click, 3 right button
    // released or the context-menu key.
    std::function<void(int kind)> onEvent;

  private:
    Window& owner_;
    unsigned callbackMessage_;
    std::atomic<bool> shown_{false};
};

} // namespace tarnwick::platform
