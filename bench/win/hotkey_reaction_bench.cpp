// The real program driven from outside: how long from a start hotkey going down to the first
// injection the target window sees, and what an idle program with one enabled binding costs.
//   hotkey_reaction_bench.exe <Tarnwick.exe> <e2e_target.exe>
#include "bench_timing.h"
#include "driver/main_window.h"
#include "driver/mouse.h"
#include "driver/play_commands.h"
#include "driver/play_scripts.h"
#include "driver/target_window.h"
#include "driver/tarnwick_run.h"

#include <tlhelp32.h>

#include <cstdio>
#include <optional>

using namespace e2e;

namespace {

constexpr int presses = 40;
constexpr int idleSeconds = 30;
// The poll period and the fixed wait before a script's first row.
constexpr double floorMs = 10 + 100;

int64_t ticksPerSecond() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

// Milliseconds from the key going down to the first key-down the target logged after it.
std::optional<double> reactionMs(const TargetWindow& target, int64_t pressed) {
    for (const TargetEvent& event : target.events())
        if (event.kind == "keydown" && event.wParam == 'A' && event.ticks > pressed)
            return double(event.ticks - pressed) * 1000.0 / double(target.ticksPerSecond());
    return std::nullopt;
}

double msSince(int64_t ticks) {
    return tarnwick::bench::nowMs() - double(ticks) * 1000.0 / double(ticksPerSecond());
}

int64_t fileTime100ns(const FILETIME& time) {
    return int64_t((uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// Kernel plus user time of every thread of the process, in milliseconds. Summed over threads:
// wine reports near 0 for the process as a whole.
double threadCpuMs(uint32_t processId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    int64_t total = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId)
            continue;
        HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread)
            continue;
        FILETIME created, exited, kernel, user;
        if (GetThreadTimes(thread, &created, &exited, &kernel, &user))
            total += fileTime100ns(kernel) + fileTime100ns(user);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return double(total) / 10'000.0;
}

} // namespace

int main() {
    moveCursor({1200, 900});
    TargetWindow target(L"e2e target", {700, 100, 400, 300});
    TarnwickRun run;
    // One row that presses A at the cursor: its key-down is the run's first injection.
    prepareScripts(run,
                   {{.name = L"reaction",
                     .steps = {{.position = L"0,0", .mouseAction = L"无事件", .key = L"65"}}}});
    Process& process = run.start();
    const MainWindow window = waitForMainWindow(process);
    if (!window.handle() || !waitUntil([&] { return window.isVisible(); }) ||
        !enableScript(window, 0)) {
        std::fprintf(stderr, "the program did not start or the script could not be enabled\n");
        return 1;
    }
    moveCursor(screenCentre(target.handle()));

    std::vector<double> reactions, hidings;
    int missed = 0;
    for (int i = 0; i < presses; ++i) {
        double hiddenAfter = 0;
        const int64_t pressed = pressHotkey(VK_F1, [&] {
            // The run's first visible step, polled finely while the key is held.
            const int64_t down = performanceTicks();
            while (window.isVisible() && msSince(down) < 1000)
                std::this_thread::sleep_for(1ms);
            hiddenAfter = msSince(down);
        });
        hidings.push_back(hiddenAfter);
        std::optional<double> ms;
        waitUntil([&] { return (ms = reactionMs(target, pressed)).has_value(); }, 2000ms);
        if (ms)
            reactions.push_back(*ms);
        else
            ++missed;
        waitForRunToEnd(window, 3000ms);
    }
    if (reactions.empty()) {
        std::fprintf(stderr, "no press reached the target\n");
        return 1;
    }
    const tarnwick::bench::Spread reaction = tarnwick::bench::spreadOf(reactions);
    std::printf("key down to first injection, %zu presses (%d missed): median %.1f ms, p99 %.1f "
                "ms; floor %.0f ms (poll period + fixed wait), median %.1f ms above it\n",
                reactions.size(), missed, reaction.median, reaction.p99, floorMs,
                reaction.median - floorMs);
    const tarnwick::bench::Spread hiding = tarnwick::bench::spreadOf(hidings);
    std::printf("key down to the main window hidden (the run's first step): median %.1f ms, p99 "
                "%.1f ms\n",
                hiding.median, hiding.p99);

    // Idle: the binding stays enabled, nothing is pressed.
    std::this_thread::sleep_for(1s);
    const double cpuBefore = threadCpuMs(process.id());
    const double wallBefore = tarnwick::bench::nowMs();
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const double cpu = threadCpuMs(process.id()) - cpuBefore;
    const double wall = tarnwick::bench::nowMs() - wallBefore;
    std::printf("idle with one enabled binding: %.0f ms CPU in %.0f ms, %.2f %% of one core\n", cpu,
                wall, 100.0 * cpu / wall);
    return 0;
}
