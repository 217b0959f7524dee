#include "platform/win32.h"
#include "platform/win32_thread_primitives.h"
#include "support/worker_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>

namespace tarnwick::platform {
namespace {

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        Sleep(5);
    }
    return true;
}

class Win32WorkerThread : public ::testing::Test {
  protected:
    // Counts its calls; sleeps `busyMs` inside each, not alertably unless told to.
    WorkerRoutine counting(DWORD busyMs = 0, bool alertable = false) {
        return [this, busyMs, alertable](uint32_t parameter) {
            lastParameter = parameter;
            ++calls;
            if (busyMs > 0)
                SleepEx(busyMs, alertable);
        };
    }
    // The routine is not called again within `ms`.
    void expectNoMoreCallsWithin(DWORD ms) {
        const int before = calls;
        Sleep(ms);
        EXPECT_EQ(calls.load(), before);
    }

    std::atomic<int> calls{0};
    std::atomic<uint32_t> lastParameter{0};
    Win32ThreadPrimitives primitives;
    WorkerThread worker{primitives};
};

TEST_F(Win32WorkerThread, CallsAtOnceThenAfterEveryPauseUntilStopped) {
    const ThreadHandle handle = worker.start(counting(), 50, 0, 123);
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(worker.start(counting(), 1, 0, 7), handle);
    ASSERT_TRUE(waitUntil([&] { return calls >= 4; }));
    EXPECT_EQ(lastParameter.load(), 123u);
    EXPECT_EQ(worker.stop(), waitSignalled);
    EXPECT_EQ(worker.thread(), 0u);
    expectNoMoreCallsWithin(200);
}

TEST_F(Win32WorkerThread, PausesAreAsLongAsTheInterval) {
    const ULONGLONG started = GetTickCount64();
    worker.start(counting(), 200, 0);
    ASSERT_TRUE(waitUntil([&] { return calls >= 3; }));
    // Two pauses of 200 ms lie between the first and the third call.
    EXPECT_GE(GetTickCount64() - started, 380u);
    EXPECT_EQ(worker.stop(), waitSignalled);
}

TEST_F(Win32WorkerThread, AStopInTheInitialDelayEndsTheThreadBeforeAnyCall) {
    worker.start(counting(), 10, 2000);
    Sleep(100);
    EXPECT_EQ(worker.stop(), waitSignalled);
    EXPECT_EQ(calls.load(), 0);
    EXPECT_NE(worker.start(counting(), 10, 0), 0u) << "an ended worker starts again";
    EXPECT_TRUE(waitUntil([&] { return calls >= 1; }));
}

TEST_F(Win32WorkerThread, AStopDuringTheRoutineEndsTheThreadAtTheNextPause) {
    worker.start(counting(300), 10);
    ASSERT_TRUE(waitUntil([&] { return calls >= 1; }));
    EXPECT_EQ(worker.stop(1000, true), 0);
    EXPECT_NE(worker.thread(), 0u) << "still in its routine";
    EXPECT_TRUE(waitUntil([&] { return worker.thread() == 0; }));
    EXPECT_EQ(calls.load(), 1);
}

TEST_F(Win32WorkerThread, AStopSpentByAnAlertableWaitInTheRoutineStillEndsTheThread) {
    worker.start(counting(300, true), 10);
    ASSERT_TRUE(waitUntil([&] { return calls >= 1; }));
    EXPECT_EQ(worker.stop(2000), waitSignalled);
    EXPECT_EQ(calls.load(), 1);
}

TEST_F(Win32WorkerThread, StopTimesOutWhileTheRoutineRunsAndTheThreadEndsLater) {
    worker.start(counting(500), 10);
    ASSERT_TRUE(waitUntil([&] { return calls >= 1; }));
    EXPECT_EQ(worker.stop(50), waitTimedOut);
    EXPECT_TRUE(waitUntil([&] { return worker.thread() == 0; }));
    EXPECT_EQ(calls.load(), 1);
}

TEST_F(Win32WorkerThread, ASuspendedThreadMakesNoCallsUntilResumed) {
    worker.start(counting(), 10);
    ASSERT_TRUE(waitUntil([&] { return calls >= 2; }));
    ASSERT_TRUE(worker.suspend());
    EXPECT_FALSE(worker.suspend());
    Sleep(50);
    expectNoMoreCallsWithin(200);
    const int held = calls;
    EXPECT_TRUE(worker.resume());
    EXPECT_FALSE(worker.resume());
    EXPECT_TRUE(waitUntil([&] { return calls > held; }));
    ASSERT_TRUE(worker.suspend());
    EXPECT_EQ(worker.stop(), waitSignalled) << "stop resumes the thread first";
    EXPECT_EQ(worker.thread(), 0u);
}

TEST_F(Win32WorkerThread, TerminateEndsAThreadBusyInItsRoutine) {
    worker.start(counting(10000), 10);
    ASSERT_TRUE(waitUntil([&] { return calls >= 1; }));
    EXPECT_TRUE(worker.terminate());
    EXPECT_EQ(worker.thread(), 0u);
    EXPECT_FALSE(worker.terminate());
    EXPECT_EQ(worker.stop(), -1);
}

// The routine reads and writes the object, so a thread that outlived it would use freed
// memory; the counter lives outside and shows whether the thread ever ran again.
TEST(Win32WorkerThreadShutdown, DestroyWhileRunningLeavesNoThreadBehind) {
    Win32ThreadPrimitives primitives;
    for (const DWORD busyMs : {DWORD(0), DWORD(3), DWORD(WorkerThread::shutdownWaitMs + 500)}) {
        for (int round = 0; round < (busyMs > 100 ? 1 : 30); ++round) {
            std::atomic<int> calls{0};
            auto worker = std::make_unique<WorkerThread>(primitives);
            WorkerThread* self = worker.get();
            worker->start(
                [&calls, self, busyMs](uint32_t) {
                    self->setInterval(self->interval());
                    ++calls;
                    Sleep(busyMs);
                },
                1, 0);
            ASSERT_TRUE(waitUntil([&] { return calls > 0; }));
            const ULONGLONG started = GetTickCount64();
            worker.reset();
            if (busyMs > WorkerThread::shutdownWaitMs)
                EXPECT_LT(GetTickCount64() - started, busyMs) << "ended by force, not waited out";
            const int after = calls;
            Sleep(busyMs > 100 ? 700 : 5);
            EXPECT_EQ(calls.load(), after) << "busy " << busyMs << " ms, round " << round;
        }
    }
}

} // namespace
} // namespace tarnwick::platform
