#pragma once
// Threads that run only when the test lets them: a thread's body runs on the test's own thread,
// when the test calls runThread() or when something waits for the thread. Pauses take no time
// and are recorded; a wake queued from inside the body ends the thread's next pause, and
// wakeDuringPause makes a wake arrive in the middle of a given pause, as if from another thread.
#include "support/thread_primitives.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tarnwick::testing {

class ScriptedThreadPrimitives : public ThreadPrimitives {
  public:
    bool failCreate = false;
    uint32_t wakeError = 0;
    bool failSuspend = false;
    bool failResume = false;
    bool failTerminate = false;
    // The body is stuck in a routine: waits with a timeout time out.
    bool busy = false;
    size_t wakeDuringPause = 0; // 1-based number of the pause a wake ends; 0: none

    std::vector<int32_t> pauses;
    std::vector<uint32_t> waitTimeouts;
    std::map<ThreadHandle, int> closes;
    int suspendCount = 0;

    // Runs the body of the thread created last to its end.
    void runThread() { run(lastHandle_); }
    bool bodyRan(ThreadHandle thread) const { return threads_.at(thread).ran; }

    ThreadHandle createThread(ThreadBody& body) override {
        if (failCreate)
            return 0;
        threads_[++lastHandle_] = {&body};
        return lastHandle_;
    }
    uint32_t wakeThread(ThreadHandle thread) override {
        if (wakeError == 0)
            threads_.at(thread).wakePending = true;
        return wakeError;
    }
    bool pause(int32_t milliseconds) override {
        pauses.push_back(milliseconds);
        if (pauses.size() > 1000) {
            ADD_FAILURE() << "the thread never ends";
            return true;
        }
        Thread& thread = threads_.at(running_);
        const bool woken = thread.wakePending || pauses.size() == wakeDuringPause;
        thread.wakePending = false;
        return woken;
    }
    int32_t suspendThread(ThreadHandle) override { return failSuspend ? -1 : suspendCount++; }
    int32_t resumeThread(ThreadHandle) override {
        if (failResume)
            return -1;
        return suspendCount > 0 ? suspendCount-- : 0;
    }
    bool terminateThread(ThreadHandle thread) override {
        if (failTerminate)
            return false;
        threads_.at(thread).terminated = true;
        return true;
    }
    int32_t waitForThread(ThreadHandle thread, uint32_t timeoutMs) override {
        waitTimeouts.push_back(timeoutMs);
        const Thread& t = threads_.at(thread);
        if (t.ran || t.terminated)
            return waitSignalled;
        if (thread == running_ || (busy && timeoutMs != waitForever))
            return waitTimedOut;
        run(thread);
        return waitSignalled;
    }
    void closeThread(ThreadHandle thread) override { ++closes[thread]; }

  private:
    struct Thread {
        ThreadBody* body = nullptr;
        bool wakePending = false;
        bool ran = false;
        bool terminated = false;
    };

    void run(ThreadHandle handle) {
        Thread& thread = threads_.at(handle);
        if (thread.ran || thread.terminated)
            return;
        running_ = handle;
        thread.body->threadMain();
        running_ = 0;
        thread.ran = true;
    }

    std::map<ThreadHandle, Thread> threads_;
    ThreadHandle lastHandle_ = 0;
    ThreadHandle running_ = 0;
};

} // namespace tarnwick::testing
