#pragma once
// One entry of the hotkey registry and the edge detection that decides when it fires.
#include <cstdint>
#include <functional>

namespace tarnwick {

// Called with the binding's identifier when the hotkey fires.
using HotkeyRoutine = std::function<void(int32_t identifier)>;

namespace edgeState {
inline constexpr uint8_t idle = 0;
inline constexpr uint8_t seenDown = 1;
inline constexpr uint8_t releasedAfterDown = 2; // only within one poll
inline constexpr uint8_t handled = 88;          // until the key is seen up
} // namespace edgeState

struct HotkeyBinding {
    int32_t identifier = 0; // 0 once released
    HotkeyRoutine routine;
    int32_t keyCode = 0; // negative: fires on release
    int32_t modifiers = 0;
    int32_t secondKey = 0; // 0: none
    uint8_t state = edgeState::idle;
    bool directCall = false;
};

// The virtual key behind a key code: the low 8 bits of its absolute value.
int polledKey(int32_t keyCode);

// Moves the edge state on one sample of the binding's key. True when the press (or, for a
// release binding, the release) is to be handled now; the state is then already `handled`,
// whether or not the modifier tests let it fire.
bool advanceEdgeState(uint8_t& state, int16_t sample, bool firesOnRelease);

} // namespace tarnwick
