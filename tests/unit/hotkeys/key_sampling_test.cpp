// Sampling only the registry's keys must fire exactly as sampling every key does: both
// watchers are driven through the same recorded key sequences and must fire alike.
#include "fakes/scripted_hotkey_platform.h"
#include "hotkeys/hotkey_watcher.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <set>
#include <vector>

namespace tarnwick {
namespace {

using testing::ManualTimers;
using testing::QueuedThreads;
using testing::ScriptedKeyboard;

struct Firing {
    int poll;
    int32_t identifier;
    bool operator==(const Firing&) const = default;
    friend void PrintTo(const Firing& f, std::ostream* out) {
        *out << f.identifier << " at poll " << f.poll;
    }
};

struct Action {
    enum Kind { press, release, tap, poll, bind, unbind } kind;
    int32_t key = 0; // key, or key code to bind, or identifier to release
    int32_t modifiers = 0;
    int32_t secondKey = 0;
};

// One watcher with its own keyboard, replaying actions and logging what fires.
class Replay {
  public:
    explicit Replay(KeySampling sampling) : watcher_({keyboard_, timers_, threads_}, sampling) {}

    void apply(const Action& a) {
        switch (a.kind) {
        case Action::press:
            keyboard_.press(a.key);
            break;
        case Action::release:
            keyboard_.release(a.key);
            break;
        case Action::tap:
            keyboard_.tap(a.key);
            break;
        case Action::poll:
            ++polls_;
            timers_.tickAll();
            break;
        case Action::bind:
            bindResults.push_back(watcher_.bind(record_, a.key, a.modifiers, a.secondKey, 0, true));
            break;
        case Action::unbind:
            watcher_.release(a.key);
            break;
        }
    }

    std::vector<Firing> fired;
    std::vector<int32_t> bindResults;

  private:
    ScriptedKeyboard keyboard_;
    ManualTimers timers_;
    QueuedThreads threads_;
    HotkeyWatcher watcher_;
    int polls_ = 0;
    HotkeyRoutine record_ = [this](int32_t identifier) { fired.push_back({polls_, identifier}); };
};

void expectSameFirings(const std::vector<Action>& actions) {
    Replay everyKey(KeySampling::everyKey);
    Replay registryKeys(KeySampling::registryKeys);
    for (const Action& a : actions) {
        everyKey.apply(a);
        registryKeys.apply(a);
    }
    ASSERT_FALSE(everyKey.fired.empty()) << "the sequence never fires, so it proves nothing";
    EXPECT_EQ(registryKeys.fired, everyKey.fired);
    EXPECT_EQ(registryKeys.bindResults, everyKey.bindResults);
}

constexpr Action pollOnce{Action::poll};
Action press(int key) {
    return {Action::press, key};
}
Action release(int key) {
    return {Action::release, key};
}
Action tap(int key) {
    return {Action::tap, key};
}
Action bind(int32_t keyCode, int32_t modifiers = 0, int32_t secondKey = 0) {
    return {Action::bind, keyCode, modifiers, secondKey};
}
Action unbind(int32_t identifier) {
    return {Action::unbind, identifier};
}

TEST(KeySampling, RecordedSequencesFireAlike) {
    const std::vector<std::vector<Action>> sequences = {
        // Press binding: down, held, up, tap, down again.
        {bind(112), pollOnce, press(112), pollOnce, pollOnce, release(112), pollOnce, tap(112),
         pollOnce, press(112), pollOnce},
        // Release binding: seen down, then up, then a re-press between two polls.
        {bind(-112), press(112), pollOnce, release(112), pollOnce, press(112), pollOnce,
         release(112), press(112), release(112), pollOnce, tap(112), pollOnce},
        // Modifiers and a second key, including the right Windows key.
        {bind(112, 4), bind(113, 0, 65), press(16),    press(112), pollOnce,
         release(16),  pollOnce,         release(112), pollOnce,   press(16),
         press(112),   pollOnce,         press(65),    press(113), pollOnce,
         press(92),    release(113),     pollOnce,     press(113), pollOnce},
        // A handled press released while unbound, with presses and taps while nobody watches,
        // then rebound: the "pressed since" answers must not be stale.
        {bind(112),       bind(-113),   press(112), press(113), pollOnce,     unbind(1000001),
         unbind(1000002), release(112), tap(112),   press(113), release(113), pollOnce,
         bind(112),       bind(-113),   pollOnce,   press(112), pollOnce,     press(113),
         pollOnce,        release(113), pollOnce},
        // A key taken on by a new binding after presses before it existed.
        {bind(65), tap(112), press(113), pollOnce, bind(112), bind(-113), pollOnce, release(113),
         pollOnce, press(112), pollOnce, press(65), pollOnce},
    };
    for (size_t i = 0; i < sequences.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameFirings(sequences[i]);
    }
}

TEST(KeySampling, RandomSequencesFireAlike) {
    const int keys[] = {16, 17, 18, 91, 92, 65, 112, 113, 114};
    const Action bindings[] = {bind(112),     bind(-112),       bind(112, 4),       bind(113, 3),
                               bind(-113, 1), bind(114, 0, 65), bind(-114, 8, 113), bind(65)};
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        auto pick = [&](size_t n) { return size_t(random() % n); };
        std::vector<Action> actions;
        for (int step = 0; step < 4000; ++step) {
            const size_t roll = pick(100);
            if (roll < 40)
                actions.push_back(pollOnce);
            else if (roll < 60)
                actions.push_back(press(keys[pick(std::size(keys))]));
            else if (roll < 82)
                actions.push_back(release(keys[pick(std::size(keys))]));
            else if (roll < 90)
                actions.push_back(tap(keys[pick(std::size(keys))]));
            else if (roll < 96)
                actions.push_back(bindings[pick(std::size(bindings))]);
            else
                actions.push_back(unbind(roll == 99 ? 0 : 1000001 + int32_t(pick(8))));
        }
        expectSameFirings(actions);
    }
}

// Remembers which keys were read.
class ReadLog : public KeyStateSource {
  public:
    std::set<int> read;
    int16_t keyState(int key) override {
        read.insert(key);
        return 0;
    }
};

TEST(KeySampling, RegistryKeysReadsTheModifiersAndTheBoundKeysOnly) {
    ReadLog keys;
    ManualTimers timers;
    QueuedThreads threads;
    HotkeyWatcher watcher({keys, timers, threads}, KeySampling::registryKeys);
    watcher.bind([](int32_t) {}, -(256 + 112), 0, 65);
    watcher.bind([](int32_t) {}, 120);
    watcher.release(0);
    timers.tickAll();
    EXPECT_EQ(keys.read, (std::set<int>{16, 17, 18, 65, 91, 112, 120}));
}

} // namespace
} // namespace tarnwick
