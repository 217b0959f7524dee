#include "hotkeys/hotkey_watcher.h"
#include "platform/unique_handle.h"
#include "platform/win32.h"
#include "platform/win32_hotkey_platform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <vector>

namespace tarnwick::platform {
namespace {

constexpr WORD keyF7 = VK_F7;
constexpr WORD keyF8 = VK_F8;

void sendKey(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

// Dispatches this thread's messages until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& done, DWORD milliseconds = 2000) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        if (done())
            return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
    return done();
}

void pumpFor(DWORD milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

// Presses a key for as long as the test lasts, and lets go of it on every way out. The
// keyboard is left alone for a moment first, so wine's key state has settled.
class HeldKey {
  public:
    explicit HeldKey(WORD key) : key_(key) {
        pumpFor(100);
        sendKey(key_, true);
    }
    ~HeldKey() { sendKey(key_, false); }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

  private:
    WORD key_;
};

TEST(Win32KeyStates, SeeAKeySentWithSendInputGoDownAndUp) {
    Win32KeyStates keys;
    {
        HeldKey held(keyF8);
        EXPECT_TRUE(pumpUntil([&] { return keys.keyState(keyF8) < 0; }));
    }
    EXPECT_TRUE(pumpUntil([&] { return keys.keyState(keyF8) >= 0; }));
}

TEST(Win32ThreadTimers, TickOnTheStartingThreadUntilTheOwnerEnds) {
    std::vector<DWORD> tickThreads;
    {
        Win32ThreadTimers timers;
        timers.startTimer(10, [&] { tickThreads.push_back(GetCurrentThreadId()); });
        EXPECT_TRUE(pumpUntil([&] { return tickThreads.size() >= 3; }));
    }
    for (const DWORD thread : tickThreads)
        EXPECT_EQ(thread, GetCurrentThreadId());
    const size_t ticks = tickThreads.size();
    pumpFor(100);
    EXPECT_EQ(tickThreads.size(), ticks);
}

TEST(Win32Threads, RunTheBodyOnANewThread) {
    const UniqueHandle ran(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::atomic<DWORD> bodyThread{0};
    Win32Threads threads;
    threads.startThread([&] {
        bodyThread = GetCurrentThreadId();
        SetEvent(ran.get());
    });
    ASSERT_EQ(WaitForSingleObject(ran.get(), 2000), WAIT_OBJECT_0);
    EXPECT_NE(bodyThread.load(), 0u);
    EXPECT_NE(bodyThread.load(), GetCurrentThreadId());
}

// The watcher on the real system: its timer polls, a sent key press fires once.
class Win32HotkeyWatcherTest : public ::testing::Test {
  protected:
    Win32KeyStates keys;
    Win32ThreadTimers timers;
    Win32Threads threads;
    HotkeyWatcher watcher{{keys, timers, threads}};
};

TEST_F(Win32HotkeyWatcherTest, DirectBindingFiresOnceOnTheUserInterfaceThread) {
    std::vector<std::pair<int32_t, DWORD>> fired;
    const int32_t identifier = watcher.bind(
        [&](int32_t id) {
            fired.push_back({id, GetCurrentThreadId()});
        },
        keyF8, 0, 0, 0, true);
    ASSERT_EQ(identifier, 1000001);
    {
        HeldKey held(keyF8);
        EXPECT_TRUE(pumpUntil([&] { return !fired.empty(); }));
        pumpFor(100); // held: no second firing
    }
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0].first, identifier);
    EXPECT_EQ(fired[0].second, GetCurrentThreadId());
}

TEST_F(Win32HotkeyWatcherTest, ThreadBindingRunsOnANewThread) {
    const UniqueHandle ran(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::atomic<int32_t> firedWith{0};
    std::atomic<DWORD> routineThread{0};
    const int32_t identifier = watcher.bind(
        [&](int32_t id) {
            firedWith = id;
            routineThread = GetCurrentThreadId();
            SetEvent(ran.get());
        },
        keyF7);
    ASSERT_EQ(identifier, 1000001);
    HeldKey held(keyF7);
    EXPECT_TRUE(pumpUntil([&] { return WaitForSingleObject(ran.get(), 0) == WAIT_OBJECT_0; }));
    EXPECT_EQ(firedWith.load(), identifier);
    EXPECT_NE(routineThread.load(), GetCurrentThreadId());
}

} // namespace
} // namespace tarnwick::platform
