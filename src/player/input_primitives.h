#pragma once
// What a run does to the desktop. Cursor and buttons go through the system's input queue and
// reach whatever window is under the cursor; wheel, key, character and paste messages go
// straight to one target window. The Win32 implementation is in the platform layer.
#include <cstdint>
#include <string>

namespace tarnwick {

// A native window handle carried through portable code; none is the null window.
enum class WindowHandle : std::uintptr_t { none = 0 };

namespace mouse {
// Codes of clickButton; any other code produces no event.
inline constexpr int32_t left = 1; // 0 means left too
inline constexpr int32_t right = 2;
inline constexpr int32_t click = 1; // 0 means click too
inline constexpr int32_t doubleClick = 2;
inline constexpr int32_t down = 3;
inline constexpr int32_t up = 4;
} // namespace mouse

enum class WheelDirection { up, down };
enum class KeyKind { down, up, press, character };

class InputPrimitives {
  public:
    virtual ~InputPrimitives() = default;
    // Screen coordinates.
    virtual void moveCursor(int32_t x, int32_t y) = 0;
    // A double click waits the system's double-click time between its two clicks.
    virtual void clickButton(int32_t button, int32_t kind) = 0;
    // A null target means the desktop window.
    virtual void postWheel(WindowHandle target, WheelDirection direction) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // Returns once the target has handled the paste; the clipboard text is restored.
    virtual void pasteText(WindowHandle target, const std::string& text, bool replace) = 0;
    virtual void postKey(WindowHandle target, int32_t code, KeyKind kind) = 0;
    // One character message per UTF-16 unit, the terminating zero included.
    virtual void typeText(WindowHandle target, const std::string& text) = 0;
    virtual WindowHandle windowUnderCursor() = 0;
};

} // namespace tarnwick
