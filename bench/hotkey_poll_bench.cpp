// Host cost of one hotkey poll, sampling every key against sampling only the registry's keys.
// The key states come from memory here, so this is the watcher's own share; on Windows each
// sampled key is also one GetAsyncKeyState call (bench/win/hotkey_poll_bench.cpp).
#include "hotkeys/hotkey_watcher.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace tarnwick;

namespace {

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Every key up, one key down every so often so that bindings move through their states.
class MemoryKeys : public KeyStateSource {
  public:
    int16_t keyState(int key) override {
        ++reads;
        return key == 112 && (reads / 4096) % 2 ? int16_t(-32768) : 0;
    }
    unsigned long reads = 0;
};

class NoTimer : public TimerStarter {
  public:
    void startTimer(int32_t, std::function<void()>) override {}
};

class NoThreads : public ThreadStarter {
  public:
    void startThread(std::function<void()>) override {}
};

double nanosecondsPerPoll(KeySampling sampling, int bindings) {
    MemoryKeys keys;
    NoTimer timer;
    NoThreads threads;
    HotkeyWatcher watcher({keys, timer, threads}, sampling);
    // The program's own: a start hotkey and the editor's Pause and F9; then further F keys
    // with modifiers.
    watcher.bind([](int32_t) {}, 112);
    watcher.bind([](int32_t) {}, 19, 0, 0, 0, true);
    watcher.bind([](int32_t) {}, 120, 0, 0, 0, true);
    for (int i = 3; i < bindings; ++i)
        watcher.bind([](int32_t) {}, 112 + i % 12, i / 12 % 16);
    constexpr int polls = 200000;
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const double start = now();
        for (int i = 0; i < polls; ++i)
            watcher.poll();
        best = std::min(best, now() - start);
    }
    return best / polls * 1e9;
}

} // namespace

int main() {
    std::printf("| bindings | every key ns/poll | registry keys ns/poll |\n|---:|---:|---:|\n");
    for (const int bindings : {3, 12, 48}) {
        std::printf("| %d | %.0f | %.0f |\n", bindings,
                    nanosecondsPerPoll(KeySampling::everyKey, bindings),
                    nanosecondsPerPoll(KeySampling::registryKeys, bindings));
    }
}
