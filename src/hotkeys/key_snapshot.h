#pragma once
// The keyboard as one poll sees it: one asynchronous key state per virtual key.
#include "hotkeys/hotkey_platform.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace tarnwick {

namespace modifierBit {
inline constexpr int32_t alt = 1;
inline constexpr int32_t ctrl = 2;
inline constexpr int32_t shift = 4;
inline constexpr int32_t leftWindows = 8; // the right Windows key does not count
} // namespace modifierBit

namespace virtualKey {
inline constexpr int shift = 16;
inline constexpr int ctrl = 17;
inline constexpr int alt = 18;
inline constexpr int leftWindows = 91;
} // namespace virtualKey

using KeySet = std::bitset<256>;

// The keys every binding looks at, whatever its own key: the modifiers.
KeySet modifierKeys();

class KeySnapshot {
  public:
    // Reads every virtual key from 1 to 255.
    static KeySnapshot ofAllKeys(KeyStateSource& source);
    // Reads only the keys in the set; the others read as up. Key 0 is never read.
    static KeySnapshot ofKeys(KeyStateSource& source, const KeySet& keys);

    int16_t operator[](int key) const { return states_[size_t(key)]; }
    bool isDown(int key) const { return states_[size_t(key)] < 0; }
    // The modifier bits of the keys that are down.
    int32_t modifierMask() const;

  private:
    std::array<int16_t, 256> states_{};
};

} // namespace tarnwick
