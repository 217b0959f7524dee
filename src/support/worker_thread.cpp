#include "support/worker_thread.h"

#include <utility>

namespace tarnwick {

ThreadHandle WorkerThread::start(WorkerRoutine routine, int32_t intervalMs, int32_t delayMs,
                                 uint32_t parameter) {
    closeEndedThread();
    if (thread_ != 0)
        return thread_;
    routine_ = std::move(routine);
    interval_.store(intervalMs);
    delay_ = delayMs;
    parameter_ = parameter;
    suspended_ = false;
    stopRequested_.store(false);
    ended_.store(false);
    thread_ = primitives_.createThread(*this);
    return thread_;
}

void WorkerThread::threadMain() {
    // The flag catches a stop whose wake was spent elsewhere, say in an alertable wait inside
    // the routine, or before the thread first waited.
    bool ending = stopRequested_.load() || primitives_.pause(delay_);
    while (!ending) {
        callRoutine();
        ending = stopRequested_.load() || primitives_.pause(interval_.load());
    }
    ended_.store(true);
}

void WorkerThread::callRoutine() {
    // Nothing escapes the thread: a failed call is followed by the next pause as usual.
    try {
        routine_(parameter_);
    } catch (...) {
    }
}

int32_t WorkerThread::stop(uint32_t timeoutMs, bool noWait) {
    closeEndedThread();
    if (thread_ == 0)
        return -1;
    if (const uint32_t error = primitives_.wakeThread(thread_))
        return int32_t(error);
    stopRequested_.store(true);
    if (suspended_) {
        if (primitives_.resumeThread(thread_) < 0)
            return -2;
        suspended_ = false;
    }
    if (noWait)
        return 0;
    const int32_t result = primitives_.waitForThread(thread_, timeoutMs);
    closeEndedThread();
    return result;
}

bool WorkerThread::suspend() {
    closeEndedThread();
    if (thread_ == 0 || suspended_ || primitives_.suspendThread(thread_) < 0)
        return false;
    suspended_ = true;
    return true;
}

bool WorkerThread::resume() {
    closeEndedThread();
    if (thread_ == 0 || !suspended_ || primitives_.resumeThread(thread_) < 0)
        return false;
    suspended_ = false;
    return true;
}

bool WorkerThread::terminate() {
    closeEndedThread();
    if (thread_ == 0 || !primitives_.terminateThread(thread_))
        return false;
    // Termination completes asynchronously; the object may be freed right after this.
    primitives_.waitForThread(thread_, waitForever);
    closeThread();
    return true;
}

void WorkerThread::destroy() {
    closeEndedThread();
    if (thread_ == 0)
        return;
    stop(shutdownWaitMs);
    if (thread_ == 0 || terminate())
        return;
    // Neither a pause nor force ended it: it must still end before the object goes.
    primitives_.waitForThread(thread_, waitForever);
    closeThread();
}

void WorkerThread::closeEndedThread() {
    if (thread_ != 0 && ended_.load())
        closeThread();
}

void WorkerThread::closeThread() {
    primitives_.closeThread(thread_);
    thread_ = 0;
    suspended_ = false;
}

} // namespace tarnwick
