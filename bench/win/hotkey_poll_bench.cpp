// Cost of one hotkey poll on the real system: every key read with GetAsyncKeyState, against
// only the registry's keys. The program's bindings: one start hotkey, the editor's Pause and F9.
#include "bench_timing.h"
#include "hotkeys/hotkey_watcher.h"
#include "platform/win32_hotkey_platform.h"

#include <cstdio>
#include <vector>

using namespace tarnwick;

namespace {

class NoTimer : public TimerStarter {
  public:
    void startTimer(int32_t, std::function<void()>) override {}
};

bench::Spread microsecondsPerPoll(KeySampling sampling) {
    platform::Win32KeyStates keys;
    NoTimer timer;
    platform::Win32Threads threads;
    HotkeyWatcher watcher({keys, timer, threads}, sampling);
    watcher.bind([](int32_t) {}, 112);
    watcher.bind([](int32_t) {}, 19, 0, 0, 0, true);
    watcher.bind([](int32_t) {}, 120, 0, 0, 0, true);
    std::vector<double> times;
    for (int i = 0; i < 2000; ++i) {
        const double start = bench::nowMs();
        watcher.poll();
        times.push_back((bench::nowMs() - start) * 1000.0);
    }
    return bench::spreadOf(times);
}

} // namespace

int main() {
    std::printf("| sampling | median us/poll | p99 us/poll |\n|---|---:|---:|\n");
    const bench::Spread every = microsecondsPerPoll(KeySampling::everyKey);
    std::printf("| every key (255 reads) | %.1f | %.1f |\n", every.median, every.p99);
    const bench::Spread registry = microsecondsPerPoll(KeySampling::registryKeys);
    std::printf("| registry keys (7 reads) | %.1f | %.1f |\n", registry.median, registry.p99);
}
