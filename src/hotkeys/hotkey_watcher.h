#pragma once
// The registry of hotkey bindings and its poll. The watcher registers nothing with the system:
// a periodic timer samples the keys, and a binding fires when its key is seen going down (or,
// for a release binding, coming up again) while exactly its modifiers are held.
//
// Threads: the registry and the poll belong to the thread that creates the watcher (the user-
// interface thread), whose message dispatch runs the timer. bind, release and poll must only be
// called there; there is no lock. Direct-call routines run on that thread inside the poll,
// the others each on a new thread of their own.
#include "hotkeys/hotkey_binding.h"
#include "hotkeys/hotkey_platform.h"
#include "hotkeys/key_snapshot.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tarnwick {

inline constexpr int32_t firstHotkeyIdentifier = 1000001;
inline constexpr int32_t defaultPollPeriodMs = 10;

enum class KeySampling {
    everyKey, // all 255 virtual keys on every poll
    // Only the modifiers and the keys of the registry's entries, released ones included: the
    // "pressed since the last read" answer of a key then means the same as with everyKey.
    registryKeys,
};

class HotkeyWatcher {
  public:
    explicit HotkeyWatcher(HotkeyPlatform platform, KeySampling sampling = KeySampling::everyKey)
        : platform_(platform), sampling_(sampling), sampledKeys_(modifierKeys()) {}
    HotkeyWatcher(const HotkeyWatcher&) = delete;
    HotkeyWatcher& operator=(const HotkeyWatcher&) = delete;

    // The binding's identifier, or 0 when the key code has no key in its low 8 bits. An entry
    // with the same key code, modifiers and second key is reused: it takes the new routine
    // and mode and keeps (or regains) its identifier. The first entry starts the poll timer.
    int32_t bind(HotkeyRoutine routine, int32_t keyCode, int32_t modifiers = 0,
                 int32_t secondKey = 0, int32_t periodMs = 0, bool directCall = false);
    // Identifier 0 releases every binding. False when no entry carries the identifier.
    bool release(int32_t identifier);
    // One timer tick: sample the keys, then move and fire every active binding in order.
    void poll();

  private:
    // The 0-based place of the entry with these keys, or -1.
    int placeOf(int32_t keyCode, int32_t modifiers, int32_t secondKey) const;
    KeySnapshot takeSnapshot() const;
    void fire(const HotkeyBinding& binding);

    HotkeyPlatform platform_;
    KeySampling sampling_;
    KeySet sampledKeys_;
    // Entries are never removed or moved: an entry's place is its identifier for the life of
    // the process, and a routine may bind while the poll holds an entry.
    std::vector<std::unique_ptr<HotkeyBinding>> registry_;
};

} // namespace tarnwick
