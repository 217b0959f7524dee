#include "platform/win32_precise_delay.h"

#include "platform/unique_handle.h"
#include "platform/win32.h"
#include "player/delay_units.h"

namespace tarnwick::platform {
namespace {

// Windows 10 1803 and later; older systems and wine refuse the flag.
constexpr DWORD highResolutionTimer = 0x00000002; // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD wakeOnAnyInput = 0xFF;            // QS_KEY ... QS_HOTKEY

UniqueHandle createTimer() {
    UniqueHandle timer(
        CreateWaitableTimerExW(nullptr, nullptr, highResolutionTimer, TIMER_ALL_ACCESS));
    if (!timer)
        timer.reset(CreateWaitableTimerA(nullptr, FALSE, nullptr));
    return timer;
}

// Dispatches what waits in the queue. A quit request is held back and returned, so the
// thread's own message loop still sees it after the wait.
bool dispatchPending(int& quitCode) {
    bool quit = false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            quitCode = int(msg.wParam);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return quit;
}

} // namespace

bool preciseDelay(int32_t amount, int32_t unit) {
    LARGE_INTEGER due;
    due.QuadPart = delayDueTime(amount, unit);
    UniqueHandle timer = createTimer();
    // Without a timer there is nothing to wait on; returning beats blocking forever.
    if (!timer || !SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE))
        return true;
    HANDLE handle = timer.get();
    bool quit = false;
    int quitCode = 0;
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, wakeOnAnyInput) !=
           WAIT_OBJECT_0) {
        quit = dispatchPending(quitCode) || quit;
    }
    if (quit)
        PostQuitMessage(quitCode);
    return true;
}

void Win32Waiter::wait(int32_t milliseconds) {
    preciseDelay(milliseconds, delay::milliseconds);
}

} // namespace tarnwick::platform
