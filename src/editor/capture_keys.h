#pragma once
// The keys that capture a step while the editor is open: bound in direct mode, so the capture
// runs on the user-interface thread inside the hotkey poll.
#include <cstdint>
#include <functional>

namespace tarnwick {

inline constexpr int32_t pauseKeyCode = 19;
inline constexpr int32_t f9KeyCode = 120;

using CaptureRoutine = std::function<void(int32_t identifier)>;

class CaptureKeys {
  public:
    virtual ~CaptureKeys() = default;
    // No modifiers, no second key, the default period. Returns the binding's identifier.
    virtual int32_t bindDirect(int32_t keyCode, CaptureRoutine routine) = 0;
    virtual bool release(int32_t identifier) = 0;
};

} // namespace tarnwick
