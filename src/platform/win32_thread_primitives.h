#pragma once
// The worker thread's primitives on Win32: CreateThread, an alertable SleepEx that a queued
// APC wakes, SuspendThread, ResumeThread, TerminateThread, WaitForSingleObject, CloseHandle.
// The object handed to the new thread is the body itself, so no executable stub is needed.
#include "support/thread_primitives.h"

namespace tarnwick::platform {

class Win32ThreadPrimitives : public ThreadPrimitives {
  public:
    ThreadHandle createThread(ThreadBody& body) override;
    uint32_t wakeThread(ThreadHandle thread) override;
    bool pause(int32_t milliseconds) override;
    int32_t suspendThread(ThreadHandle thread) override;
    int32_t resumeThread(ThreadHandle thread) override;
    bool terminateThread(ThreadHandle thread) override;
    int32_t waitForThread(ThreadHandle thread, uint32_t timeoutMs) override;
    void closeThread(ThreadHandle thread) override;
};

} // namespace tarnwick::platform
