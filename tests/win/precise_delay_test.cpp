#include "message_target.h"
#include "platform/win32_precise_delay.h"

#include <gtest/gtest.h>

#include <thread>

namespace tarnwick::platform {
namespace {

double nowMs() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return double(t.QuadPart) * 1000.0 / double(f.QuadPart);
}

TEST(PreciseDelay, NothingToWaitReturnsAtOnce) {
    for (int32_t amount : {0, -5}) {
        const double start = nowMs();
        EXPECT_TRUE(preciseDelay(amount, 0));
        EXPECT_LT(nowMs() - start, 10.0) << amount;
    }
}

TEST(PreciseDelay, WaitsTheAmountWhileDispatchingTheThreadsMessages) {
    testing::MessageTarget target({0, 0, 50, 50});
    const HWND hwnd = target.hwnd;
    std::thread other([hwnd] {
        Sleep(100);
        PostMessageW(hwnd, WM_MOUSEWHEEL, 0x00780010, 0);
        Sleep(100);
        SendMessageW(hwnd, WM_CHAR, 'x', 1); // answered only if the wait dispatches
    });
    const DWORD startTick = GetTickCount();
    const double start = nowMs();
    preciseDelay(600, 0);
    const double elapsed = nowMs() - start;
    const DWORD endTick = GetTickCount();
    other.join();

    EXPECT_GE(elapsed, 599.0);
    EXPECT_LT(elapsed, 700.0);
    ASSERT_EQ(target.received.size(), 2u);
    EXPECT_EQ(target.received[0].message, UINT(WM_MOUSEWHEEL));
    EXPECT_EQ(target.received[1].message, UINT(WM_CHAR));
    for (const auto& m : target.received) {
        EXPECT_GE(m.at - startTick, 80u);
        EXPECT_LT(m.at - startTick, endTick - startTick);
    }
}

TEST(PreciseDelay, WaiterClockCountsTheWaitInMicroseconds) {
    Win32Waiter waiter;
    const int64_t start = waiter.nowMicroseconds();
    waiter.wait(50);
    const int64_t took = waiter.nowMicroseconds() - start;
    EXPECT_GE(took, 49000);
    EXPECT_LT(took, 150000);
}

TEST(PreciseDelay, QuitRequestSurvivesTheWait) {
    PostQuitMessage(3);
    preciseDelay(50, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, WPARAM(3));
}

} // namespace
} // namespace tarnwick::platform
