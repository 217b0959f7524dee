#include "fakes/scripted_hotkey_platform.h"
#include "hotkeys/hotkey_watcher.h"
#include "hotkeys/key_names.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::ManualTimers;
using testing::QueuedThreads;
using testing::ScriptedKeyboard;

constexpr int32_t f1 = 112;
constexpr int32_t f2 = 113;
constexpr int32_t keyA = 65;

class HotkeyWatcherTest : public ::testing::Test {
  protected:
    int32_t bindDirect(int32_t keyCode, int32_t modifiers = 0, int32_t secondKey = 0) {
        return watcher.bind(record, keyCode, modifiers, secondKey, 0, true);
    }
    // Polls through the timer the watcher started, as the system would.
    void tick() { timers.tickAll(); }

    // Runs a script of key actions and polls: "+k" presses key k, "-k" releases it, "*k" taps
    // it between two polls, "." polls. Gives one character per poll: how often it fired.
    std::string play(const std::string& script) {
        std::istringstream in(script);
        std::string token;
        std::string firesPerPoll;
        while (in >> token) {
            if (token == ".") {
                const size_t before = fired.size();
                tick();
                firesPerPoll += char('0' + (fired.size() - before));
                continue;
            }
            const int key = std::stoi(token.substr(1));
            if (token[0] == '+')
                keyboard.press(key);
            else if (token[0] == '-')
                keyboard.release(key);
            else
                keyboard.tap(key);
        }
        return firesPerPoll;
    }

    ScriptedKeyboard keyboard;
    ManualTimers timers;
    QueuedThreads threads;
    HotkeyWatcher watcher{{keyboard, timers, threads}};
    std::vector<int32_t> fired;
    HotkeyRoutine record = [this](int32_t identifier) { fired.push_back(identifier); };
};

TEST_F(HotkeyWatcherTest, IdentifiersCountFromTheFirstEntryAndEqualKeysShareOne) {
    EXPECT_EQ(bindDirect(f1), 1000001);
    EXPECT_EQ(bindDirect(f2), 1000002);
    EXPECT_EQ(bindDirect(f1), 1000001);
    // Key code, modifiers and second key all have to match, the sign of the key code too.
    EXPECT_EQ(bindDirect(-f1), 1000003);
    EXPECT_EQ(bindDirect(f1, modifierBit::ctrl), 1000004);
    EXPECT_EQ(bindDirect(f1, 0, keyA), 1000005);
    EXPECT_EQ(bindDirect(f1, 0, keyA), 1000005);
}

TEST_F(HotkeyWatcherTest, ReusedEntryTakesTheNewRoutineAndMode) {
    ASSERT_EQ(bindDirect(f1), 1000001);
    std::vector<int32_t> secondRoutine;
    ASSERT_EQ(watcher.bind([&](int32_t id) { secondRoutine.push_back(id); }, f1), 1000001);

    EXPECT_EQ(play("+112 ."), "0");
    ASSERT_EQ(threads.waiting.size(), 1u);
    threads.runAll();
    EXPECT_EQ(secondRoutine, std::vector<int32_t>{1000001});
    EXPECT_TRUE(fired.empty());
}

TEST_F(HotkeyWatcherTest, ReleaseKeepsTheEntrysPlaceForTheNextBind) {
    ASSERT_EQ(bindDirect(f1), 1000001);
    ASSERT_EQ(bindDirect(f2), 1000002);
    EXPECT_TRUE(watcher.release(1000001));
    EXPECT_FALSE(watcher.release(1000001));
    EXPECT_FALSE(watcher.release(1000009));
    EXPECT_EQ(play("+112 ."), "0");

    EXPECT_EQ(bindDirect(keyA), 1000003);
    EXPECT_EQ(bindDirect(f1), 1000001);
    EXPECT_EQ(play("-112 . +112 ."), "01");
    EXPECT_EQ(fired, std::vector<int32_t>{1000001});
}

TEST_F(HotkeyWatcherTest, ReleaseOfZeroReleasesEveryBindingAndTheTimerStillPolls) {
    EXPECT_TRUE(watcher.release(0));
    ASSERT_EQ(bindDirect(f1), 1000001);
    ASSERT_EQ(bindDirect(f2), 1000002);
    EXPECT_TRUE(watcher.release(0));
    EXPECT_FALSE(watcher.release(1000002));
    EXPECT_EQ(play("+112 +113 . ."), "00");
    EXPECT_EQ(timers.started.size(), 1u);
}

TEST_F(HotkeyWatcherTest, KeyCodeWithoutAKeyInItsLowBitsMakesNoEntryAndNoTimer) {
    for (const int32_t keyCode : {0, 256, -256, 512, std::numeric_limits<int32_t>::min()}) {
        SCOPED_TRACE(keyCode);
        EXPECT_EQ(bindDirect(keyCode), 0);
    }
    EXPECT_TRUE(timers.started.empty());
    EXPECT_EQ(bindDirect(f1), 1000001);
}

TEST_F(HotkeyWatcherTest, TheFirstEntryStartsTheOnlyTimer) {
    ASSERT_EQ(watcher.bind(record, f1, 0, 0, 25, true), 1000001);
    watcher.release(0);
    watcher.bind(record, f1, 0, 0, 40, true);
    watcher.bind(record, f2, 0, 0, 40, true);
    ASSERT_EQ(timers.started.size(), 1u);
    EXPECT_EQ(timers.started[0].periodMs, 25);
}

TEST_F(HotkeyWatcherTest, PeriodLeftOutOrNotPositivePollsEveryTenMilliseconds) {
    for (const int32_t periodMs : {0, -5}) {
        ScriptedKeyboard keys;
        ManualTimers ownTimers;
        HotkeyWatcher fresh({keys, ownTimers, threads});
        fresh.bind(record, f1, 0, 0, periodMs, true);
        ASSERT_EQ(ownTimers.started.size(), 1u);
        EXPECT_EQ(ownTimers.started[0].periodMs, 10);
    }
}

struct PollCase {
    const char* what;
    int32_t keyCode;
    int32_t modifiers;
    int32_t secondKey;
    const char* script;
    const char* firesPerPoll;
};

class HotkeyPollTest : public HotkeyWatcherTest, public ::testing::WithParamInterface<PollCase> {};

TEST_P(HotkeyPollTest, FiresAtTheRightPolls) {
    const PollCase& c = GetParam();
    ASSERT_NE(bindDirect(c.keyCode, c.modifiers, c.secondKey), 0);
    EXPECT_EQ(play(c.script), c.firesPerPoll);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HotkeyPollTest,
    ::testing::Values(
        PollCase{"held key fires once", f1, 0, 0, "+112 . . . .", "1000"},
        PollCase{"seen up before it fires again", f1, 0, 0, "+112 . -112 . +112 .", "101"},
        PollCase{"tap between polls", f1, 0, 0, ". *112 . .", "000"},
        PollCase{"shift blocks modifiers 0", f1, 0, 0, "+16 +112 . -16 . .", "000"},
        PollCase{"blocked press needs a new press", f1, 0, 0, "+16 +112 . -16 . -112 . +112 .",
                 "0001"},
        PollCase{"right windows key does not count", f1, 0, 0, "+92 +112 .", "1"},
        PollCase{"left windows key counts", f1, 0, 0, "+91 +112 .", "0"},
        PollCase{"left windows as modifier", f1, modifierBit::leftWindows, 0, "+91 +112 .", "1"},
        PollCase{"right windows is not the modifier", f1, modifierBit::leftWindows, 0, "+92 +112 .",
                 "0"},
        PollCase{"alt and ctrl both", f1, modifierBit::alt | modifierBit::ctrl, 0,
                 "+18 +112 . -112 . +17 +112 .", "001"},
        PollCase{"exactly the modifiers", f1, modifierBit::shift, 0, "+16 +17 +112 .", "0"},
        PollCase{"modifier pressed after the key", f1, modifierBit::shift, 0, "+112 . +16 .", "00"},
        PollCase{"release binding fires on release", -f1, 0, 0, "+112 . . -112 . .", "0010"},
        PollCase{"release binding after a quick re-press", -f1, 0, 0, "+112 . -112 +112 -112 .",
                 "01"},
        PollCase{"release binding ignores a tap", -f1, 0, 0, "*112 . .", "00"},
        PollCase{"release binding checks modifiers at release", -f1, 0, 0,
                 "+112 . +16 -112 . -16 .", "000"},
        PollCase{"second key held", f1, 0, keyA, "+65 +112 .", "1"},
        PollCase{"second key missing", f1, 0, keyA, "+112 .", "0"},
        PollCase{"second key too late", f1, 0, keyA, "+112 . +65 .", "00"},
        PollCase{"second key does not count as a modifier", f1, 0, keyA, "+65 . +112 .", "01"}),
    [](const ::testing::TestParamInfo<PollCase>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

struct EdgeCase {
    uint8_t state;
    int16_t sample;
    bool firesOnRelease;
    uint8_t stateAfter;
    bool handled;
};

TEST(HotkeyEdgeState, FollowsTheTransitionTable) {
    constexpr int16_t up = 0;
    constexpr int16_t down = int16_t(0x8000);
    constexpr int16_t pressedSince = 1;
    const EdgeCase cases[] = {
        {0, up, false, 0, false},
        {0, up, true, 0, false},
        {0, down, false, 88, true},
        {0, down, true, 1, false},
        {0, pressedSince, false, 0, false},
        {0, pressedSince, true, 0, false},
        {1, up, true, 88, true},
        {1, down, true, 1, false},
        {1, pressedSince, true, 88, true},
        {88, up, false, 0, false},
        {88, up, true, 0, false},
        {88, down, false, 88, false},
        {88, down, true, 88, false},
        {88, pressedSince, false, 88, false},
        {88, pressedSince, true, 88, false},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "state " << int(c.state) << " sample " << c.sample
                                          << (c.firesOnRelease ? " release" : " press"));
        uint8_t state = c.state;
        EXPECT_EQ(advanceEdgeState(state, c.sample, c.firesOnRelease), c.handled);
        EXPECT_EQ(int(state), int(c.stateAfter));
    }
}

TEST(HotkeyKeyCode, PolledKeyIsTheLowByteOfTheAbsoluteValue) {
    EXPECT_EQ(polledKey(112), 112);
    EXPECT_EQ(polledKey(-112), 112);
    EXPECT_EQ(polledKey(256 + 19), 19);
    EXPECT_EQ(polledKey(-(512 + 120)), 120);
    EXPECT_EQ(polledKey(std::numeric_limits<int32_t>::min()), 0);
}

TEST_F(HotkeyWatcherTest, ThreadModeStartsOneThreadPerFiringWithTheIdentifier) {
    ASSERT_EQ(bindDirect(f2), 1000001);
    ASSERT_EQ(watcher.bind(record, f1), 1000002);
    EXPECT_EQ(play("+112 . -112 . +112 ."), "000");
    ASSERT_EQ(threads.waiting.size(), 2u);
    threads.runAll();
    EXPECT_EQ(fired, (std::vector<int32_t>{1000002, 1000002}));
}

TEST_F(HotkeyWatcherTest, DirectRoutineMayBindAndPollWithoutFiringTwice) {
    int calls = 0;
    const HotkeyRoutine rebinding = [&](int32_t) {
        ++calls;
        // Replaces the routine that is running, binds a key that is down, polls again.
        watcher.bind(record, f1, 0, 0, 0, true);
        watcher.bind(record, f2, 0, 0, 0, true);
        watcher.poll();
    };
    ASSERT_EQ(watcher.bind(rebinding, f1, 0, 0, 0, true), 1000001);
    keyboard.press(f2);
    EXPECT_EQ(play("+112 ."), "1");
    EXPECT_EQ(calls, 1);
    // The nested poll saw the new F2 entry, the outer one did not visit it.
    EXPECT_EQ(fired, std::vector<int32_t>{1000002});
    EXPECT_EQ(play("-112 . +112 ."), "01");
    EXPECT_EQ(calls, 1);
}

TEST_F(HotkeyWatcherTest, ReleasedEntryKeepsItsStateUntilRebound) {
    ASSERT_EQ(bindDirect(f1), 1000001);
    EXPECT_EQ(play("+112 ."), "1");
    watcher.release(1000001);
    EXPECT_EQ(play("-112 . +112 ."), "00");
    // Rebound while the key is down: the press was handled before the release.
    ASSERT_EQ(bindDirect(f1), 1000001);
    EXPECT_EQ(play(". -112 . +112 ."), "001");
}

TEST(HotkeyKeyNames, ExactNamesOnly) {
    const std::pair<const char*, int32_t> cases[] = {
        {"F1", 112}, {"F2", 113}, {"F9", 120}, {"F10", 121}, {"F12", 123}, {"f1", 0},    {"", 0},
        {" F1", 0},  {"F1 ", 0},  {"F13", 0},  {"F0", 0},    {"F01", 0},   {"Pause", 0},
    };
    for (const auto& [name, keyCode] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(keyCodeForName(name), keyCode);
    }
}

} // namespace
} // namespace tarnwick
