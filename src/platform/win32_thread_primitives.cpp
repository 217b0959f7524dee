#include "platform/win32_thread_primitives.h"

#include "platform/win32.h"

namespace tarnwick::platform {
namespace {

HANDLE handleOf(ThreadHandle thread) {
    return reinterpret_cast<HANDLE>(thread);
}

DWORD WINAPI threadEntry(LPVOID body) {
    try {
        static_cast<ThreadBody*>(body)->threadMain();
    } catch (...) {
    }
    return 0;
}

// Its only effect is to end the alertable wait the thread is in.
void CALLBACK wakeProc(ULONG_PTR) {}

} // namespace

ThreadHandle Win32ThreadPrimitives::createThread(ThreadBody& body) {
    DWORD id = 0;
    return reinterpret_cast<ThreadHandle>(CreateThread(nullptr, 0, threadEntry, &body, 0, &id));
}

uint32_t Win32ThreadPrimitives::wakeThread(ThreadHandle thread) {
    if (QueueUserAPC(wakeProc, handleOf(thread), 0))
        return 0;
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

bool Win32ThreadPrimitives::pause(int32_t milliseconds) {
    return SleepEx(DWORD(milliseconds > 0 ? milliseconds : 0), TRUE) == WAIT_IO_COMPLETION;
}

int32_t Win32ThreadPrimitives::suspendThread(ThreadHandle thread) {
    return int32_t(SuspendThread(handleOf(thread)));
}

int32_t Win32ThreadPrimitives::resumeThread(ThreadHandle thread) {
    return int32_t(ResumeThread(handleOf(thread)));
}

bool Win32ThreadPrimitives::terminateThread(ThreadHandle thread) {
    return TerminateThread(handleOf(thread), 0) != FALSE;
}

int32_t Win32ThreadPrimitives::waitForThread(ThreadHandle thread, uint32_t timeoutMs) {
    return int32_t(WaitForSingleObject(handleOf(thread), timeoutMs));
}

void Win32ThreadPrimitives::closeThread(ThreadHandle thread) {
    CloseHandle(handleOf(thread));
}

} // namespace tarnwick::platform
