#pragma once
// The run's injections on Win32: the cursor and buttons through the system input queue,
// wheel, key and character messages posted to one window, texts through the clipboard.
// Stateless; any thread may call them.
#include "platform/handles.h"
#include "player/input_primitives.h"

#include <cstdint>
#include <string>

namespace tarnwick::platform {

// With a window, x and y count from the top-left corner of its client area.
void moveCursor(int32_t x, int32_t y, HWND window = nullptr);
// Codes of player/input_primitives.h (mouse::); other codes do nothing.
void clickButton(int32_t button, int32_t kind);
// A null window means the desktop window.
void postWheel(HWND window, WheelDirection direction);
// Saves the clipboard text, puts the text there when asked, sends WM_PASTE and puts the saved
// text back.
void pasteText(HWND window, const std::string& text, bool replace);
void postKey(HWND window, int32_t code, KeyKind kind);
// One WM_CHAR per UTF-16 unit of the text (code page 936), the terminating zero included;
// nothing for the empty text.
void typeText(HWND window, const std::string& text);
// The window under the cursor, or the smallest visible sibling behind it that also holds the
// point: a child drawn over a smaller one must not hide it.
HWND windowUnderCursor();

class Win32InputPrimitives : public InputPrimitives {
  public:
    void moveCursor(int32_t x, int32_t y) override;
    void clickButton(int32_t button, int32_t kind) override;
    void postWheel(WindowHandle target, WheelDirection direction) override;
    void setClipboardText(const std::string& text) override;
    void pasteText(WindowHandle target, const std::string& text, bool replace) override;
    void postKey(WindowHandle target, int32_t code, KeyKind kind) override;
    void typeText(WindowHandle target, const std::string& text) override;
    WindowHandle windowUnderCursor() override;
};

} // namespace tarnwick::platform
