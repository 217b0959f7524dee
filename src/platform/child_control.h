#pragma once
// What every child control shares: its place in the parent's client area, its caption, the
// program's font, and the enabled and visible states.
#include "platform/handles.h"

#include <string>

namespace tarnwick::platform {

class Window;

// Any window's text, GBK.
std::string windowText(HWND window);

struct ControlArgs {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string caption;
    bool visible = true;
    bool enabled = true;
};

class ChildControl {
  public:
    HWND handle() const { return hwnd_; }
    int id() const { return id_; }
    void setEnabled(bool enabled);
    bool isEnabled() const;
    void setText(const std::string& text);
    std::string text() const;

  protected:
    ChildControl() = default;
    ~ChildControl() = default;
    // Style bits are Win32 window styles for the class.
    bool createChild(Window& parent, const wchar_t* windowClass, unsigned long style,
                     unsigned long exStyle, const ControlArgs& args, int id);

  private:
    HWND hwnd_ = nullptr;
    int id_ = 0;
};

} // namespace tarnwick::platform
