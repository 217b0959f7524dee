#include "fakes/scripted_thread_primitives.h"
#include "support/worker_thread.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WorkerThreadTest : public ::testing::Test {
  protected:
    // A routine that asks for a stop on its n-th call, as the owning thread could at any time.
    WorkerRoutine stopOnCall(size_t n) {
        return [this, n](uint32_t parameter) {
            calls.push_back(parameter);
            if (calls.size() == n) {
                EXPECT_EQ(worker.stop(1000, true), 0);
            }
        };
    }
    // Every handle the worker created was closed exactly once.
    void expectEachHandleClosedOnce(size_t handles) {
        EXPECT_EQ(threads.closes.size(), handles);
        for (const auto& [handle, closes] : threads.closes)
            EXPECT_EQ(closes, 1) << "handle " << handle;
    }

    testing::ScriptedThreadPrimitives threads;
    WorkerThread worker{threads};
    std::vector<uint32_t> calls;
};

TEST_F(WorkerThreadTest, PausesTheDelayThenCallsTheRoutineAfterEveryInterval) {
    const ThreadHandle handle = worker.start(stopOnCall(3), 1000, 250, 123);
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(worker.thread(), handle);
    threads.runThread();
    EXPECT_THAT(calls, ElementsAre(123u, 123u, 123u));
    // The stop asked for during the third call ends the thread before a third pause.
    EXPECT_THAT(threads.pauses, ElementsAre(250, 1000, 1000));
    EXPECT_EQ(worker.thread(), 0u);
    worker.destroy();
    expectEachHandleClosedOnce(1);
}

TEST_F(WorkerThreadTest, SecondStartReturnsTheRunningHandleAndKeepsItsSettings) {
    const ThreadHandle first = worker.start(stopOnCall(2), 1000, 0, 1);
    const ThreadHandle second = worker.start([](uint32_t) { FAIL(); }, 5, 7, 2);
    EXPECT_EQ(second, first);
    EXPECT_EQ(worker.interval(), 1000);
    threads.runThread();
    EXPECT_THAT(calls, ElementsAre(1u, 1u));
    EXPECT_THAT(threads.pauses, ElementsAre(0, 1000));
}

TEST_F(WorkerThreadTest, AnIntervalSetInsideTheRoutineRulesTheNextPause) {
    worker.start(
        [this](uint32_t) {
            calls.push_back(0);
            worker.setInterval(0);
            worker.setInterval(1000);
            if (calls.size() == 2)
                worker.stop(1000, true);
        },
        50);
    threads.runThread();
    EXPECT_THAT(threads.pauses, ElementsAre(0, 1000));
}

TEST_F(WorkerThreadTest, AWakeInAPauseEndsTheThreadThere) {
    threads.wakeDuringPause = 3;
    worker.start([this](uint32_t) { calls.push_back(0); }, 1000);
    threads.runThread();
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(worker.thread(), 0u);
}

TEST_F(WorkerThreadTest, AWakeInTheInitialDelayEndsTheThreadAndAllowsANewStart) {
    threads.wakeDuringPause = 1;
    const ThreadHandle first = worker.start([this](uint32_t) { calls.push_back(0); }, 1000, 500);
    threads.runThread();
    EXPECT_THAT(calls, IsEmpty());
    EXPECT_EQ(worker.thread(), 0u);

    const ThreadHandle second = worker.start(stopOnCall(1), 1000);
    EXPECT_NE(second, first);
    threads.runThread();
    EXPECT_EQ(calls.size(), 1u);
    worker.destroy();
    expectEachHandleClosedOnce(2);
}

TEST_F(WorkerThreadTest, ARoutineThatThrowsIsCalledAgainAfterThePause) {
    worker.start(
        [this](uint32_t) {
            calls.push_back(0);
            if (calls.size() == 1)
                throw std::runtime_error("lost");
            worker.stop(1000, true);
        },
        10);
    threads.runThread();
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(WorkerThreadTest, FailedCreationGivesNoThreadAndTheNextStartTriesAgain) {
    threads.failCreate = true;
    EXPECT_EQ(worker.start(stopOnCall(1)), 0u);
    EXPECT_EQ(worker.thread(), 0u);
    EXPECT_EQ(worker.stop(), -1);
    threads.failCreate = false;
    EXPECT_NE(worker.start(stopOnCall(1)), 0u);
}

TEST_F(WorkerThreadTest, StopWithoutThreadGivesMinusOne) {
    EXPECT_EQ(worker.stop(), -1);
    worker.start(stopOnCall(1));
    threads.runThread();
    EXPECT_EQ(worker.stop(), -1);
}

TEST_F(WorkerThreadTest, StopWaitsForTheEndAndClosesTheHandleOnce) {
    worker.start([this](uint32_t) { calls.push_back(0); }, 1000);
    EXPECT_EQ(worker.stop(300), waitSignalled);
    EXPECT_THAT(threads.waitTimeouts, ElementsAre(300u));
    EXPECT_EQ(worker.thread(), 0u);
    worker.destroy();
    expectEachHandleClosedOnce(1);
}

TEST_F(WorkerThreadTest, StopGivesTheTimeoutWhileTheRoutineKeepsTheThreadBusy) {
    threads.busy = true;
    const ThreadHandle handle = worker.start([](uint32_t) {}, 1000);
    EXPECT_EQ(worker.stop(), waitTimedOut);
    EXPECT_EQ(worker.thread(), handle);
    EXPECT_THAT(threads.closes, IsEmpty());
}

TEST_F(WorkerThreadTest, StopReportsAWakeThatCannotBeQueued) {
    const ThreadHandle handle = worker.start(stopOnCall(1));
    threads.wakeError = 6;
    EXPECT_EQ(worker.stop(), 6);
    EXPECT_EQ(worker.thread(), handle);
}

TEST_F(WorkerThreadTest, StopResumesASuspendedThreadFirst) {
    worker.start([](uint32_t) {}, 1000);
    ASSERT_TRUE(worker.suspend());
    EXPECT_EQ(worker.stop(1000, true), 0);
    EXPECT_EQ(threads.suspendCount, 0);
    EXPECT_FALSE(worker.resume());
}

TEST_F(WorkerThreadTest, StopGivesMinusTwoWhenTheSuspendedThreadCannotBeResumed) {
    worker.start([](uint32_t) {}, 1000);
    ASSERT_TRUE(worker.suspend());
    threads.failResume = true;
    EXPECT_EQ(worker.stop(), -2);
    EXPECT_EQ(threads.suspendCount, 1);
}

TEST_F(WorkerThreadTest, SuspendAndResumePairUp) {
    EXPECT_FALSE(worker.suspend()) << "no thread";
    worker.start([](uint32_t) {}, 1000);
    EXPECT_FALSE(worker.resume()) << "not suspended";
    EXPECT_TRUE(worker.suspend());
    EXPECT_FALSE(worker.suspend()) << "already suspended";
    EXPECT_EQ(threads.suspendCount, 1);
    EXPECT_TRUE(worker.resume());
    EXPECT_FALSE(worker.resume());
    EXPECT_EQ(threads.suspendCount, 0);
}

TEST_F(WorkerThreadTest, FailedSuspendOrResumeReportsFalseAndKeepsTheState) {
    worker.start([](uint32_t) {}, 1000);
    threads.failSuspend = true;
    EXPECT_FALSE(worker.suspend());
    threads.failSuspend = false;
    EXPECT_TRUE(worker.suspend()) << "a failed suspend holds nothing";
    threads.failResume = true;
    EXPECT_FALSE(worker.resume());
    threads.failResume = false;
    EXPECT_TRUE(worker.resume()) << "a failed resume still holds the thread";
}

TEST_F(WorkerThreadTest, TerminateEndsTheThreadAndClosesItsHandleOnce) {
    EXPECT_FALSE(worker.terminate());
    const ThreadHandle handle = worker.start([this](uint32_t) { calls.push_back(0); }, 1000);
    EXPECT_TRUE(worker.terminate());
    EXPECT_EQ(worker.thread(), 0u);
    EXPECT_FALSE(threads.bodyRan(handle));
    EXPECT_FALSE(worker.terminate());
    worker.destroy();
    expectEachHandleClosedOnce(1);
}

TEST_F(WorkerThreadTest, FailedTerminateKeepsTheThread) {
    const ThreadHandle handle = worker.start([](uint32_t) {}, 1000);
    threads.failTerminate = true;
    EXPECT_FALSE(worker.terminate());
    EXPECT_EQ(worker.thread(), handle);
    EXPECT_THAT(threads.closes, IsEmpty());
}

TEST_F(WorkerThreadTest, DestroyStopsAThreadInItsPause) {
    worker.start([this](uint32_t) { calls.push_back(0); }, 1000);
    worker.destroy();
    EXPECT_EQ(worker.thread(), 0u);
    EXPECT_THAT(threads.waitTimeouts, ElementsAre(WorkerThread::shutdownWaitMs));
    expectEachHandleClosedOnce(1);
}

TEST_F(WorkerThreadTest, DestroyEndsABusyThreadByForce) {
    threads.busy = true;
    const ThreadHandle handle = worker.start([](uint32_t) {}, 1000);
    worker.destroy();
    EXPECT_EQ(worker.thread(), 0u);
    EXPECT_FALSE(threads.bodyRan(handle));
    expectEachHandleClosedOnce(1);
}

TEST_F(WorkerThreadTest, DestroyWaitsForTheEndWhenForceFails) {
    threads.busy = true;
    threads.failTerminate = true;
    const ThreadHandle handle = worker.start([](uint32_t) {}, 1000);
    worker.destroy();
    EXPECT_EQ(threads.waitTimeouts.back(), waitForever);
    EXPECT_TRUE(threads.bodyRan(handle)) << "the thread ended of its own accord";
    expectEachHandleClosedOnce(1);
}

TEST_F(WorkerThreadTest, DestructionDestroys) {
    {
        WorkerThread scoped(threads);
        scoped.start([](uint32_t) {}, 1000);
    }
    expectEachHandleClosedOnce(1);
}

} // namespace
} // namespace tarnwick
