#pragma once
// A top-level window of the program. It owns its HWND and routes WM_COMMAND, WM_NOTIFY and
// its own messages to the callbacks its controls register, so no control sees a window
// procedure and no caller sees a message.
#include "platform/handles.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace tarnwick::platform {

struct WindowArgs {
    std::string caption;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // Creates the window hidden; onCreated runs before it returns.
    bool create(const WindowArgs& args);
    HWND handle() const { return hwnd_; }

    // Safe from any thread: the system carries them out on the window's own thread.
    void show();
    void hide();
    bool isVisible() const;
    void setCaption(const std::string& caption);

    // Asked when the user closes the window; answer true to let it close.
    std::function<bool()> onCloseRequest;
    std::function<void()> onCreated;

    // Control routing: a new control identifier whose WM_COMMAND notifications reach the handler.
    int addCommandHandler(std::function<void(int notifyCode)> handler);
    // WM_NOTIFY from the control with this identifier; the handler gets the NMHDR.
    void addNotifyHandler(int controlId, std::function<intptr_t(const void* header)> handler);
    // A private message (WM_APP range) whose wParam/lParam reach the handler.
    unsigned addMessageHandler(std::function<void(uintptr_t wParam, intptr_t lParam)> handler);

    // The font every control of the program uses.
    static HFONT controlFont();

    // For the window procedure only.
    bool handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result);
    void attach(HWND hwnd) { hwnd_ = hwnd; }

  private:
    HWND hwnd_ = nullptr;
    int nextControlId_ = 100;
    unsigned nextMessage_ = 0;
    std::map<int, std::function<void(int)>> commandHandlers_;
    std::map<int, std::function<intptr_t(const void*)>> notifyHandlers_;
    std::map<unsigned, std::function<void(uintptr_t, intptr_t)>> messageHandlers_;
};

} // namespace tarnwick::platform
