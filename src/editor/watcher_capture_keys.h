#pragma once
// The editor's capture keys on the hotkey watcher: direct mode, so a capture runs inside the
// poll on the user-interface thread.
#include "editor/capture_keys.h"
#include "hotkeys/hotkey_watcher.h"

namespace tarnwick {

class WatcherCaptureKeys : public CaptureKeys {
  public:
    explicit WatcherCaptureKeys(HotkeyWatcher& watcher) : watcher_(watcher) {}
    int32_t bindDirect(int32_t keyCode, CaptureRoutine routine) override {
        return watcher_.bind(std::move(routine), keyCode, 0, 0, 0, true);
    }
    bool release(int32_t identifier) override { return watcher_.release(identifier); }

  private:
    HotkeyWatcher& watcher_;
};

} // namespace tarnwick
