#include "hotkeys/hotkey_binding.h"

namespace tarnwick {

int polledKey(int32_t keyCode) {
    // Unsigned negation, so that the most negative code has an absolute value too.
    const uint32_t magnitude = keyCode < 0 ? 0u - uint32_t(keyCode) : uint32_t(keyCode);
    return int(magnitude & 0xFF);
}

bool advanceEdgeState(uint8_t& state, int16_t sample, bool firesOnRelease) {
    if (sample == 0) {
        if (state != edgeState::seenDown) {
            state = edgeState::idle;
            return false;
        }
        state = edgeState::releasedAfterDown;
    } else if (sample < 0) {
        if (state == edgeState::idle)
            state = edgeState::seenDown;
        if (firesOnRelease)
            return false;
    }
    if (state == edgeState::idle || state == edgeState::handled)
        return false;
    state = edgeState::handled;
    return true;
}

} // namespace tarnwick
