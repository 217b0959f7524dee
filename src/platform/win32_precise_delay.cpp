#include "platform/win32_precise_delay.h"

#include "platform/unique_handle.h"
#include "platform/win32.h"
#include "player/delay_units.h"

#include <mmsystem.h>

namespace tarnwick::platform {
namespace {

// Windows 10 1803 and later; older systems refuse the flag.
constexpr DWORD highResolutionTimer = 0x00000002; // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD wakeOnAnyInput = 0xFF;            // QS_KEY ... QS_HOTKEY

// A standard timer fires on the system tick, 15.6 ms by default; for the length of the wait
// the tick is asked down to 1 ms so a 100 ms wait does not become 109.
class FineSystemTick {
  public:
    explicit FineSystemTick(bool wanted) : held_(wanted && timeBeginPeriod(1) == TIMERR_NOERROR) {}
    ~FineSystemTick() {
        if (held_)
            timeEndPeriod(1);
    }
    FineSystemTick(const FineSystemTick&) = delete;
    FineSystemTick& operator=(const FineSystemTick&) = delete;

  private:
    bool held_;
};

struct Timer {
    UniqueHandle handle;
    bool highResolution = false;
};

Timer createTimer() {
    Timer timer{UniqueHandle(CreateWaitableTimerExW(nullptr, nullptr, highResolutionTimer,
                                                    TIMER_ALL_ACCESS)),
                true};
    if (!timer.handle)
        timer = Timer{UniqueHandle(CreateWaitableTimerA(nullptr, FALSE, nullptr)), false};
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
    // Already due: a timer would only add its set-up to every zero interval of a run.
    if (due.QuadPart >= 0)
        return true;
    Timer timer = createTimer();
    const FineSystemTick tick(timer.handle && !timer.highResolution);
    // Without a timer there is nothing to wait on; returning beats blocking forever.
    if (!timer.handle || !SetWaitableTimer(timer.handle.get(), &due, 0, nullptr, nullptr, FALSE))
        return true;
    HANDLE handle = timer.handle.get();
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

int64_t Win32Waiter::nowMicroseconds() {
    static const int64_t ticksPerSecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return int64_t(frequency.QuadPart);
    }();
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    // Split so the product cannot overflow at any counter frequency.
    const int64_t whole = ticks.QuadPart / ticksPerSecond;
    const int64_t part = ticks.QuadPart % ticksPerSecond;
    return whole * 1000000 + part * 1000000 / ticksPerSecond;
}

} // namespace tarnwick::platform
