#include "hotkeys/key_snapshot.h"

namespace tarnwick {

KeySet modifierKeys() {
    KeySet keys;
    keys.set(virtualKey::shift).set(virtualKey::ctrl).set(virtualKey::alt);
    keys.set(virtualKey::leftWindows);
    return keys;
}

KeySnapshot KeySnapshot::ofAllKeys(KeyStateSource& source) {
    KeySnapshot snapshot;
    for (int key = 1; key < 256; ++key)
        snapshot.states_[size_t(key)] = source.keyState(key);
    return snapshot;
}

KeySnapshot KeySnapshot::ofKeys(KeyStateSource& source, const KeySet& keys) {
    KeySnapshot snapshot;
    for (int key = 1; key < 256; ++key) {
        if (keys.test(size_t(key)))
            snapshot.states_[size_t(key)] = source.keyState(key);
    }
    return snapshot;
}

int32_t KeySnapshot::modifierMask() const {
    int32_t mask = 0;
    if (isDown(virtualKey::alt))
        mask |= modifierBit::alt;
    if (isDown(virtualKey::ctrl))
        mask |= modifierBit::ctrl;
    if (isDown(virtualKey::shift))
        mask |= modifierBit::shift;
    if (isDown(virtualKey::leftWindows))
        mask |= modifierBit::leftWindows;
    return mask;
}

} // namespace tarnwick
