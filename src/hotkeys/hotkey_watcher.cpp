#include "hotkeys/hotkey_watcher.h"

#include <utility>

namespace tarnwick {

int32_t HotkeyWatcher::bind(HotkeyRoutine routine, int32_t keyCode, int32_t modifiers,
                            int32_t secondKey, int32_t periodMs, bool directCall) {
    if (polledKey(keyCode) == 0)
        return 0;
    if (const int place = placeOf(keyCode, modifiers, secondKey); place >= 0) {
        HotkeyBinding& entry = *registry_[size_t(place)];
        entry.routine = std::move(routine);
        entry.directCall = directCall;
        if (entry.identifier == 0)
            entry.identifier = firstHotkeyIdentifier + place;
        return entry.identifier;
    }

    auto entry = std::make_unique<HotkeyBinding>();
    entry->identifier = firstHotkeyIdentifier + int32_t(registry_.size());
    entry->routine = std::move(routine);
    entry->keyCode = keyCode;
    entry->modifiers = modifiers;
    entry->secondKey = secondKey;
    entry->directCall = directCall;
    const int32_t identifier = entry->identifier;
    sampledKeys_.set(size_t(polledKey(keyCode)));
    sampledKeys_.set(size_t(polledKey(secondKey)));
    registry_.push_back(std::move(entry));

    if (identifier == firstHotkeyIdentifier)
        platform_.timers.startTimer(periodMs > 0 ? periodMs : defaultPollPeriodMs,
                                    [this] { poll(); });
    return identifier;
}

bool HotkeyWatcher::release(int32_t identifier) {
    if (identifier == 0) {
        for (const auto& entry : registry_)
            entry->identifier = 0;
        return true;
    }
    for (const auto& entry : registry_) {
        if (entry->identifier == identifier) {
            entry->identifier = 0;
            return true;
        }
    }
    return false;
}

void HotkeyWatcher::poll() {
    const KeySnapshot keys = takeSnapshot();
    const int32_t modifiersDown = keys.modifierMask();
    // Entries a routine binds during this poll wait for the next one.
    const size_t count = registry_.size();
    for (size_t place = 0; place < count; ++place) {
        HotkeyBinding& entry = *registry_[place];
        if (entry.identifier == 0)
            continue;
        if (!advanceEdgeState(entry.state, keys[polledKey(entry.keyCode)], entry.keyCode < 0))
            continue;
        if (modifiersDown != entry.modifiers)
            continue;
        if (entry.secondKey != 0 && !keys.isDown(polledKey(entry.secondKey)))
            continue;
        fire(entry);
    }
}

int HotkeyWatcher::placeOf(int32_t keyCode, int32_t modifiers, int32_t secondKey) const {
    for (size_t place = 0; place < registry_.size(); ++place) {
        const HotkeyBinding& entry = *registry_[place];
        if (entry.keyCode == keyCode && entry.modifiers == modifiers &&
            entry.secondKey == secondKey)
            return int(place);
    }
    return -1;
}

KeySnapshot HotkeyWatcher::takeSnapshot() const {
    if (sampling_ == KeySampling::registryKeys)
        return KeySnapshot::ofKeys(platform_.keys, sampledKeys_);
    return KeySnapshot::ofAllKeys(platform_.keys);
}

void HotkeyWatcher::fire(const HotkeyBinding& binding) {
    // A copy: the routine may rebind its own key, which replaces the entry's routine.
    HotkeyRoutine routine = binding.routine;
    const int32_t identifier = binding.identifier;
    if (binding.directCall) {
        routine(identifier);
        return;
    }
    platform_.threads.startThread(
        [routine = std::move(routine), identifier] { routine(identifier); });
}

} // namespace tarnwick
