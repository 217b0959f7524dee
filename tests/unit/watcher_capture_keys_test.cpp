#include "editor/watcher_capture_keys.h"
#include "fakes/editor_fixture.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

struct HeldKeys : KeyStateSource {
    std::set<int> down;
    int16_t keyState(int key) override { return down.count(key) ? int16_t(-32768) : 0; }
};
struct ManualTimer : TimerStarter {
    void startTimer(int32_t, std::function<void()>) override {}
};
struct CountingThreads : ThreadStarter {
    int started = 0;
    void startThread(std::function<void()>) override { ++started; }
};

// The editor on the real watcher: Pause and F9 capture inside the poll, once per press, and
// not at all after the editor has closed, while a script's start hotkey stays bound.
TEST(WatcherCaptureKeysTest, CapturesRunInThePollUntilTheEditorCloses) {
    HeldKeys keys;
    ManualTimer timer;
    CountingThreads threads;
    HotkeyWatcher watcher({keys, timer, threads});
    const int32_t startHotkey = watcher.bind([](int32_t) {}, 112);
    WatcherCaptureKeys capture(watcher);
    testing::EditorFixture e;
    EditorController editor{e.services(capture)};
    editor.onOpened();
    auto tap = [&](int key) {
        keys.down = {key};
        watcher.poll();
        watcher.poll(); // held: no second capture
        keys.down.clear();
        watcher.poll();
    };
    tap(19);
    tap(120);
    EXPECT_EQ(e.steps.rowCount(), 2);
    EXPECT_EQ(threads.started, 0);
    editor.onClosing();
    tap(19);
    tap(120);
    EXPECT_EQ(e.steps.rowCount(), 2);
    tap(112);
    EXPECT_EQ(threads.started, 1);
    EXPECT_NE(startHotkey, 0);
}

} // namespace
} // namespace tarnwick
