// How late the player's wait returns, next to a plain Sleep of the same amount.
#include "bench_timing.h"
#include "platform/win32_precise_delay.h"

#include <cstdio>

using namespace tarnwick;

int main() {
    HANDLE probe = CreateWaitableTimerExW(nullptr, nullptr, 0x2, TIMER_ALL_ACCESS);
    std::printf("high-resolution waitable timer: %s\n", probe ? "yes" : "no (standard timer)");
    if (probe)
        CloseHandle(probe);
    std::printf("| amount ms | waits | preciseDelay median | p99 | Sleep median | p99 |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|\n");
    for (int amount : {1, 5, 20, 100, 600}) {
        const int waits = amount <= 20 ? 100 : 50;
        std::vector<double> precise, slept;
        for (int i = 0; i < waits; ++i) {
            double start = bench::nowMs();
            platform::preciseDelay(amount, 0);
            precise.push_back(bench::nowMs() - start - amount);
            start = bench::nowMs();
            Sleep(DWORD(amount));
            slept.push_back(bench::nowMs() - start - amount);
        }
        const bench::Spread p = bench::spreadOf(precise);
        const bench::Spread s = bench::spreadOf(slept);
        std::printf("| %d | %d | %.3f | %.3f | %.3f | %.3f |\n", amount, waits, p.median, p.p99,
                    s.median, s.p99);
    }
    return 0;
}
