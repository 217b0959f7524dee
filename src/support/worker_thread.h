#pragma once
// One thread that calls a routine over and over: an initial delay, the routine, a pause of
// `interval` ms, the routine again, until it is told to stop. It ends only in a pause: stop
// wakes the pause (an APC on Windows), and a stop asked for while the routine runs ends the
// next pause at once.
//
// Threads: every method except setInterval belongs to the thread that owns the object; the
// routine runs on the worker thread and may call setInterval. The handle is owned and closed
// by this object alone, never by the worker thread, so a wait never meets a closed handle.
#include "support/thread_primitives.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace tarnwick {

using WorkerRoutine = std::function<void(uint32_t parameter)>;

class WorkerThread : private ThreadBody {
  public:
    // How long destroy lets the thread reach a pause before ending it by force.
    static constexpr uint32_t shutdownWaitMs = 1000;

    explicit WorkerThread(ThreadPrimitives& primitives) : primitives_(primitives) {}
    // Destroys: after it the thread never runs again.
    ~WorkerThread() { destroy(); }
    // A copy would share the thread handle and close it twice.
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Returns the running thread's handle unchanged (routine and timing stay) if there is one;
    // otherwise starts a thread and returns its handle, 0 when it could not be created.
    ThreadHandle start(WorkerRoutine routine, int32_t intervalMs = 0, int32_t delayMs = 0,
                       uint32_t parameter = 0);
    // -1 without a thread; the error code when the wake cannot be queued; -2 when a suspended
    // thread cannot be resumed; 0 with noWait; otherwise the result of waiting for the end.
    int32_t stop(uint32_t timeoutMs = 1000, bool noWait = false);
    bool suspend();
    bool resume();
    bool terminate();
    // Takes effect at the next pause, whichever thread calls it.
    void setInterval(int32_t milliseconds) { interval_.store(milliseconds); }
    int32_t interval() const { return interval_.load(); }
    // 0 once the thread has ended.
    ThreadHandle thread() const { return ended_.load() ? 0 : thread_; }
    // Ends the thread (a stop, and terminate if it is still busy after shutdownWaitMs) and
    // closes its handle. The object can be started again afterwards.
    void destroy();

  private:
    void threadMain() override;
    void callRoutine();
    void closeEndedThread();
    void closeThread();

    ThreadPrimitives& primitives_;
    WorkerRoutine routine_;
    std::atomic<int32_t> interval_{0};
    int32_t delay_ = 0;
    uint32_t parameter_ = 0;
    ThreadHandle thread_ = 0;
    bool suspended_ = false; // this object holds the thread suspended
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> ended_{false}; // the last thing the worker thread writes
};

} // namespace tarnwick
