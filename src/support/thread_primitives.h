#pragma once
// The thread operations the worker thread is built on: on Windows the Win32 calls (an
// alertable SleepEx woken by a queued APC, SuspendThread, TerminateThread...), in host tests a
// scripted stand-in. Handles are plain values so that portable code can hold them.
#include <cstdint>

namespace tarnwick {

using ThreadHandle = std::uintptr_t; // 0: no thread

inline constexpr uint32_t waitForever = 0xFFFFFFFF;
inline constexpr int32_t waitSignalled = 0; // the thread has ended
inline constexpr int32_t waitTimedOut = 258;

// What a new thread runs.
class ThreadBody {
  public:
    virtual void threadMain() = 0;

  protected:
    ~ThreadBody() = default;
};

class ThreadPrimitives {
  public:
    virtual ~ThreadPrimitives() = default;
    // Starts a thread on body.threadMain() at once; 0 when it cannot be created. The body must
    // outlive the thread.
    virtual ThreadHandle createThread(ThreadBody& body) = 0;
    // Ends the thread's current or next alertable pause. 0 on success, else the system's
    // error code (never 0).
    virtual uint32_t wakeThread(ThreadHandle thread) = 0;
    // An alertable pause of the calling thread; true when a wake ended it early. 0 ms or
    // less does not wait but still takes a wake that is already queued.
    virtual bool pause(int32_t milliseconds) = 0;
    // Both give the thread's previous suspend count, or -1 on failure.
    virtual int32_t suspendThread(ThreadHandle thread) = 0;
    virtual int32_t resumeThread(ThreadHandle thread) = 0;
    virtual bool terminateThread(ThreadHandle thread) = 0;
    // waitSignalled once the thread has ended, waitTimedOut, or another wait result.
    virtual int32_t waitForThread(ThreadHandle thread, uint32_t timeoutMs) = 0;
    virtual void closeThread(ThreadHandle thread) = 0;
};

} // namespace tarnwick
