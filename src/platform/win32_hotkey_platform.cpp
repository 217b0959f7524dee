#include "platform/win32_hotkey_platform.h"

#include "platform/unique_handle.h"
#include "platform/win32.h"

#include <unordered_map>

namespace tarnwick::platform {
namespace {

// Without a window the system ignores this and assigns the id itself.
constexpr UINT_PTR requestedTimerId = 16661;

// A thread timer's procedure gets only the id the system assigned; thread timers tick on the
// thread that set them, so each thread keeps its own table.
thread_local std::unordered_map<UINT_PTR, const std::function<void()>*> ticksOfThisThread;

void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD) {
    try {
        const auto found = ticksOfThisThread.find(id);
        if (found != ticksOfThisThread.end())
            (*found->second)();
    } catch (...) {
    }
}

DWORD WINAPI runThreadBody(LPVOID parameter) {
    const std::unique_ptr<std::function<void()>> body(
        static_cast<std::function<void()>*>(parameter));
    try {
        (*body)();
    } catch (...) {
    }
    return 0;
}

} // namespace

int16_t Win32KeyStates::keyState(int virtualKey) {
    return GetAsyncKeyState(virtualKey);
}

struct Win32ThreadTimers::Timer {
    UINT_PTR id = 0;
    std::function<void()> onTick;
};

Win32ThreadTimers::Win32ThreadTimers() = default;

Win32ThreadTimers::~Win32ThreadTimers() {
    for (const auto& timer : timers_) {
        KillTimer(nullptr, timer->id);
        ticksOfThisThread.erase(timer->id);
    }
}

void Win32ThreadTimers::startTimer(int32_t periodMs, std::function<void()> onTick) {
    auto timer = std::make_unique<Timer>();
    timer->onTick = std::move(onTick);
    timer->id = SetTimer(nullptr, requestedTimerId, UINT(periodMs), &onTimer);
    if (timer->id == 0)
        return;
    ticksOfThisThread[timer->id] = &timer->onTick;
    timers_.push_back(std::move(timer));
}

void Win32Threads::startThread(std::function<void()> body) {
    auto owned = std::make_unique<std::function<void()>>(std::move(body));
    DWORD threadId = 0;
    const UniqueHandle thread(CreateThread(nullptr, 0, &runThreadBody, owned.get(), 0, &threadId));
    // Once the thread exists it owns the body; nobody waits for it, so the handle goes now.
    if (thread)
        owned.release();
}

} // namespace tarnwick::platform
