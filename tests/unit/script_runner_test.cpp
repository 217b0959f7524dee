#include "editor/script_step.h"
#include "fakes/memory_file_system.h"
#include "fakes/virtual_desktop.h"
#include "player/run_flags.h"
#include "player/script_runner.h"
#include "storage/list_file.h"
#include "storage/memory_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

namespace tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Log = std::vector<std::string>;

const std::string running = std::string("caption ") + runner::runningCaption;
const std::string stopped = std::string("caption ") + runner::stoppedCaption;
const Log runStart = {"hide", "tray Tarnwick"};
const Log runEnd = {"show", "untray"};

ScriptStep stepAt(std::string position, std::string action = step::mouseMove,
                  std::string interval = "0") {
    ScriptStep s = ScriptStep::withDefaults(std::move(position));
    s[step::mouseAction] = std::move(action);
    s[step::interval] = std::move(interval);
    return s;
}

Log joined(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class ScriptRunnerTest : public ::testing::Test {
  protected:
    testing::MemoryFileSystem files;
    DataPaths paths{"C:\\run"};
    MemoryTable scripts{8};
    MemoryTable playback{step::playbackColumnCount};
    RunFlags flags;
    testing::VirtualDesktop desktop;
    ScriptRunner runner{{scripts, playback, files, paths, flags, desktop, desktop, desktop}};

    // A ScriptTable row enabled under the binding, with its step file on disk.
    void addScript(const std::string& binding, const std::string& name, const std::string& loops,
                   const std::vector<ScriptStep>& steps) {
        const int row = scripts.appendRow(binding, {});
        scripts.setCellText(row, 1, name);
        scripts.setCellText(row, 2, "F1");
        scripts.setCellText(row, 3, loops);
        scripts.setCellText(row, 4, "启用");
        MemoryTable table(step::columnCount);
        for (const ScriptStep& s : steps)
            appendStep(table, s);
        files.directories.insert(paths.dataDirectory());
        files.directories.insert(paths.scriptFolder(name));
        saveStepFile(table, paths, name, files);
    }

    Log playedFromHotkey(const ScriptStep& s) {
        addScript("1000001", "s", "1", {s});
        flags.markIdle();
        runner.playFromHotkey(1000001);
        return desktop.log;
    }
};

TEST_F(ScriptRunnerTest, LoopCountIsReadLeniently) {
    struct Case {
        const char* loops;
        int passes;
    } cases[] = {{"0", 0}, {"", 0}, {"abc", 0}, {"-2", 0}, {"3", 3}, {" +2x", 2}, {"２", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.loops);
        desktop.clear();
        scripts.removeAllRows();
        addScript("1000001", "s", c.loops, {stepAt("1,2")});
        flags.markIdle();
        runner.playFromHotkey(1000001);
        Log expected = joined({runStart, {running}});
        for (int p = 0; p < c.passes; ++p)
            expected.insert(expected.end(), {"wait 100", "move 1,2"});
        expected.insert(expected.end(), runEnd.begin(), runEnd.end());
        EXPECT_EQ(desktop.log, expected);
    }
}

TEST_F(ScriptRunnerTest, LeftClickRowWaitsRowPauseIntervalThenButtonPause) {
    EXPECT_EQ(playedFromHotkey(stepAt("500,300", "左键单击", "600")),
              joined({runStart,
                      {running, "wait 100", "wait 600", "move 500,300", "wait 20", "click 1,1"},
                      runEnd}));
}

TEST_F(ScriptRunnerTest, EveryMouseActionGivesItsButtonAndKind) {
    struct Case {
        const char* action;
        const char* click; // nullptr: the move alone
    } cases[] = {
        {"鼠标移动", nullptr},     {"左键单击", "click 1,1"},
        {"左键双击", "click 1,2"}, {"左键按住", "click 1,3"},
        {"左键松开", "click 1,4"}, {"右键单击", "click 2,1"},
        {"右键双击", "click 2,2"}, {"右键按住", "click 2,3"},
        {"右键松开", "click 2,4"}, {"", nullptr},
        {"跳舞", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        desktop.clear();
        scripts.removeAllRows();
        Log played = {running, "wait 100", "wait 5", "move -1280,200"};
        if (c.click)
            played.insert(played.end(), {"wait 20", c.click});
        EXPECT_EQ(playedFromHotkey(stepAt("-1280,200", c.action, "5")),
                  joined({runStart, played, runEnd}));
    }
}

TEST_F(ScriptRunnerTest, NoEventActionSkipsIntervalAndMoveButPlaysTheRest) {
    ScriptStep s = stepAt("500,300", "无事件", "30");
    s[step::wheelAction] = "上滚动";
    s[step::wheelCount] = "1";
    s[step::text] = "hi";
    s[step::key] = "65";
    EXPECT_EQ(playedFromHotkey(s),
              joined({runStart,
                      {running, "wait 100", "wait 50", "wheel up ->1", "wait 50", "clipboard hi",
                       "wait 50", "type hi ->2", "wait 30", "press 65 ->3"},
                      runEnd}));
}

TEST_F(ScriptRunnerTest, PositionWithoutTwoPiecesPlaysNoMousePart) {
    struct Case {
        const char* position;
        Log played;
    } cases[] = {
        // The step file loader empties a position without ",": the row plays nothing at all.
        {"500", {"wait 100"}},
        {"", {"wait 100"}},
        {"100,", {"wait 100", "wait 7", "press 13 ->1"}},
        {",", {"wait 100", "wait 7", "press 13 ->1"}},
        {",5", {"wait 100", "wait 7", "move 0,5", "wait 7", "press 13 ->1"}},
        {"1,2,3", {"wait 100", "wait 7", "move 1,2", "wait 7", "press 13 ->1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        desktop.clear();
        scripts.removeAllRows();
        ScriptStep s = stepAt(c.position, "鼠标移动", "7");
        s[step::key] = "13";
        Log expected = joined({runStart, {running}, c.played, runEnd});
        EXPECT_EQ(playedFromHotkey(s), expected);
    }
}

TEST_F(ScriptRunnerTest, WheelDownThreeNotchesEachAfterFiftyToTheWindowThen) {
    ScriptStep s = stepAt("1,1", "无事件");
    s[step::wheelAction] = "下滚动";
    s[step::wheelCount] = "3";
    EXPECT_EQ(playedFromHotkey(s),
              joined({runStart,
                      {running, "wait 100", "wait 50", "wheel down ->1", "wait 50",
                       "wheel down ->2", "wait 50", "wheel down ->3"},
                      runEnd}));
}

TEST_F(ScriptRunnerTest, KeyPressedCountTimesEachAfterTheInterval) {
    ScriptStep s = stepAt("1,1", "无事件", "40");
    s[step::key] = "13";
    s[step::keyCount] = "2";
    EXPECT_EQ(playedFromHotkey(s),
              joined({runStart,
                      {running, "wait 100", "wait 40", "press 13 ->1", "wait 40", "press 13 ->2"},
                      runEnd}));
}

TEST_F(ScriptRunnerTest, NoEventKeyIgnoresItsCountAndNoContentTypesNothing) {
    ScriptStep s = stepAt("1,1", "无事件", "40");
    s[step::keyCount] = "5";
    EXPECT_EQ(playedFromHotkey(s), joined({runStart, {running, "wait 100"}, runEnd}));
}

TEST_F(ScriptRunnerTest, HotkeyRunTypesTheTextAndLeavesItOnTheClipboard) {
    ScriptStep s = stepAt("1,1", "无事件");
    s[step::text] = "abc";
    EXPECT_EQ(playedFromHotkey(s),
              joined({runStart,
                      {running, "wait 100", "wait 50", "clipboard abc", "wait 50", "type abc ->1"},
                      runEnd}));
    EXPECT_EQ(desktop.clipboard, "abc");
}

TEST_F(ScriptRunnerTest, ScheduledRunPastesTheTextAndLeavesTheFixedText) {
    ScriptStep s = stepAt("1,1", "无事件");
    s[step::text] = "abc";
    addScript("", "定时", "1", {s});
    flags.markPlaying();
    runner.playScheduled("定时");
    EXPECT_EQ(desktop.log, joined({runStart,
                                   {running, "wait 100", "wait 50", "clipboard 1111111", "wait 50",
                                    "paste abc ->1"},
                                   runEnd}));
    EXPECT_EQ(desktop.clipboard, "1111111");
    EXPECT_EQ(flags.enabled, 1);
    EXPECT_EQ(flags.active, 0);
}

TEST_F(ScriptRunnerTest, ScheduledRunLeavesTheFlagsToItsCaller) {
    addScript("", "定时", "2", {stepAt("1,1")});
    flags.markIdle(); // the caller forgot to set (1, 1): nothing may play
    runner.playScheduled("定时");
    EXPECT_EQ(desktop.log, joined({runStart, {running, "wait 100", "wait 100"}, runEnd}));
}

TEST_F(ScriptRunnerTest, SecondPressStopsWithinTheRowAndWaitsOutThePasses) {
    ScriptStep pressing = stepAt("1,1", "无事件", "100");
    pressing[step::key] = "65";
    pressing[step::keyCount] = "4";
    addScript("1000001", "s", "3", {pressing, stepAt("2,2")});
    flags.markIdle();
    // 100 row pause, then presses at 200 and 300; the second press of F1 comes at 350.
    Log stoppingRun;
    desktop.at(350, [&] {
        const size_t before = desktop.log.size();
        runner.playFromHotkey(1000001);
        stoppingRun.assign(desktop.log.begin() + long(before), desktop.log.end());
        desktop.log.resize(before);
    });
    runner.playFromHotkey(1000001);

    // The stopping entry plays nothing: every one of its three passes ends at its first row.
    EXPECT_EQ(stoppingRun,
              joined({runStart, {stopped, "wait 100", "wait 100", "wait 100"}, runEnd}));
    // The first run skips its last two presses but still waits for them, ends the pass at the
    // next row, and waits 100 ms in each remaining pass.
    EXPECT_EQ(desktop.log,
              joined({runStart,
                      {running, "wait 100", "wait 100", "press 65 ->1", "wait 100", "press 65 ->2",
                       "wait 100", "wait 100", "wait 100", "wait 100", "wait 100"},
                      runEnd}));
    EXPECT_EQ(flags.enabled, 1);
    EXPECT_EQ(flags.active, 0);
}

TEST_F(ScriptRunnerTest, AStopInsideARowSkipsOnlyWhatFollowsAPlayTest) {
    ScriptStep click = stepAt("500,300", "左键单击", "600");
    ScriptStep text = stepAt("1,1", "无事件");
    text[step::text] = "abc";
    ScriptStep wheel = stepAt("1,1", "无事件");
    wheel[step::wheelAction] = "下滚动";
    wheel[step::wheelCount] = "3";
    struct Case {
        const char* what;
        ScriptStep step;
        int64_t stopAt;
        Log played; // between the caption and the run end
    } cases[] = {
        {"during the interval: the move still comes, the click not",
         click,
         400,
         {"wait 100", "wait 600", "move 500,300"}},
        {"before the text: nothing of it", text, 120, {"wait 100", "wait 50"}},
        {"between clipboard and entry: typed all the same",
         text,
         170,
         {"wait 100", "wait 50", "clipboard abc", "wait 50", "type abc ->1"}},
        {"at the first notch: every notch still waits",
         wheel,
         120,
         {"wait 100", "wait 50", "wait 50", "wait 50"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        desktop = testing::VirtualDesktop();
        scripts.removeAllRows();
        desktop.at(c.stopAt, [&] { flags.markIdle(); });
        EXPECT_EQ(playedFromHotkey(c.step), joined({runStart, {running}, c.played, runEnd}));
    }
}

TEST_F(ScriptRunnerTest, StoppedRunGoesIdleEachPassAndPlaysAgainIfARunStartsMeanwhile) {
    addScript("1000001", "s", "3", {stepAt("1,1"), stepAt("2,2")});
    flags.markIdle();
    // A stop under way (0, 0) during pass 1; in pass 2 the stopped run has set (1, 0) again,
    // and a new run then sets (1, 1).
    desktop.at(50, [&] {
        flags.enabled = 0;
        flags.active = 0;
    });
    int32_t seenEnabled = -1;
    int32_t seenActive = -1;
    desktop.at(150, [&] {
        seenEnabled = flags.enabled;
        seenActive = flags.active;
        flags.markPlaying();
    });
    runner.playFromHotkey(1000001);
    EXPECT_EQ(seenEnabled, 1);
    EXPECT_EQ(seenActive, 0);
    EXPECT_EQ(desktop.log, joined({runStart,
                                   {running, "wait 100", "wait 100", "move 1,1", "wait 100",
                                    "move 2,2", "wait 100", "move 1,1", "wait 100", "move 2,2"},
                                   runEnd}));
}

TEST_F(ScriptRunnerTest, PressOfAnotherScriptStopsTheRunAndDoesNotStartItself) {
    addScript("1000001", "a", "1", {stepAt("1,1"), stepAt("2,2"), stepAt("3,3")});
    addScript("1000002", "b", "1", {stepAt("9,9", "左键单击")});
    flags.markIdle();
    desktop.at(150, [&] { runner.playFromHotkey(1000002); });
    runner.playFromHotkey(1000001);
    EXPECT_EQ(desktop.log, joined({runStart,
                                   {running, "wait 100", "move 1,1", "wait 100"},
                                   runStart,
                                   {stopped, "wait 100"},
                                   runEnd,
                                   runEnd}));
    // The stopping press loaded its own steps; nothing of b was played.
    EXPECT_EQ(playback.cellText(0, step::position), "9,9");
}

TEST_F(ScriptRunnerTest, UnknownIdentifierPlaysNothingButStillToggles) {
    addScript("1000001", "s", "2", {stepAt("1,1")});
    struct Case {
        bool playing;
        std::string caption;
    } cases[] = {{false, running}, {true, stopped}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        desktop.clear();
        if (c.playing)
            flags.markPlaying();
        else
            flags.markIdle();
        runner.playFromHotkey(1000099);
        EXPECT_EQ(desktop.log, joined({runStart, {c.caption}, runEnd}));
        EXPECT_EQ(flags.enabled, 1);
        EXPECT_EQ(flags.active, 0);
    }
}

TEST_F(ScriptRunnerTest, LoopCountIsReadOnceAndRowsOncePerPass) {
    addScript("1000001", "s", "2", {stepAt("1,1"), stepAt("2,2")});
    flags.markIdle();
    desktop.at(50, [&] {
        scripts.setCellText(0, 3, "9");
        playback.removeAllRows();
        appendStep(playback, stepAt("7,7"));
    });
    runner.playFromHotkey(1000001);
    // Pass 1 counted two rows before the change; the second now reads empty and is skipped.
    EXPECT_EQ(desktop.log,
              joined({runStart,
                      {running, "wait 100", "move 7,7", "wait 100", "wait 100", "move 7,7"},
                      runEnd}));
}

TEST_F(ScriptRunnerTest, LateTimerDoesNotSlowALongRun) {
    std::vector<ScriptStep> rows;
    for (int i = 0; i < 200; ++i)
        rows.push_back(stepAt(std::to_string(i) + ",1"));
    addScript("1000001", "s", "1", rows);
    flags.markIdle();
    desktop.overrunMicroseconds = 700;
    runner.playFromHotkey(1000001);
    // 200 rows of 100 ms; without making up the lateness the run would end 140 ms late.
    EXPECT_LE(std::llabs(desktop.nowMicroseconds() - 200 * 100 * 1000), 2000);
}

thread_local int watchDepth = 0;

// A table that notices when two threads are inside it at the same moment.
class OverlapWatchingTable : public MemoryTable {
  public:
    using MemoryTable::MemoryTable;
    mutable std::atomic<bool> overlapped{false};

    // Calls of one thread may nest (appendRow asks rowCount); only another thread's count.
    template <class F> auto watched(F f) const {
        if (watchDepth++ == 0 && inside_.fetch_add(1) != 0)
            overlapped = true;
        auto result = f();
        if (--watchDepth == 0)
            inside_.fetch_sub(1);
        return result;
    }

    int rowCount() const override {
        return watched([&] { return MemoryTable::rowCount(); });
    }
    std::string cellText(int row, int column) const override {
        return watched([&] { return MemoryTable::cellText(row, column); });
    }
    void removeAllRows() override {
        watched([&] { return (MemoryTable::removeAllRows(), 0); });
    }
    int appendRow(const std::string& first, const RowHead& head) override {
        return watched([&] {
            for (int i = 0; i < 200; ++i) // keeps the door open for the other thread
                std::this_thread::yield();
            return MemoryTable::appendRow(first, head);
        });
    }
    void setCellText(int row, int column, const std::string& text) override {
        watched([&] { return (MemoryTable::setCellText(row, column, text), 0); });
    }

  private:
    mutable std::atomic<int> inside_{0};
};

// Returns at once: these runs are about the playback list, not about time.
class NoWait : public Waiter {
  public:
    void wait(int32_t) override {}
    int64_t nowMicroseconds() override { return 0; }
};

class NoShell : public RunnerShell {
  public:
    void setWindowVisible(bool) override {}
    void setCaption(const std::string&) override {}
    void showTrayIcon(const std::string&) override {}
    void removeTrayIcon() override {}
};

TEST(ScriptRunnerPlaybackList, RunsOnTwoThreadsNeverUseItAtTheSameMoment) {
    testing::MemoryFileSystem files;
    DataPaths paths{"C:\\run"};
    MemoryTable scripts{8};
    OverlapWatchingTable playback{step::playbackColumnCount};
    RunFlags flags;
    testing::VirtualDesktop input; // never reached: the flags never let these runs play
    NoShell shell;
    NoWait noWait;
    files.directories = {paths.dataDirectory(), paths.scriptFolder("a"), paths.scriptFolder("b")};
    for (const char* name : {"a", "b"}) {
        const int row = scripts.appendRow("", {});
        scripts.setCellText(row, 1, name);
        scripts.setCellText(row, 3, "3");
        MemoryTable steps(step::columnCount);
        for (int i = 0; i < 60; ++i)
            appendStep(steps, stepAt("1,1", "无事件"));
        saveStepFile(steps, paths, name, files);
    }
    ScriptRunner runner{{scripts, playback, files, paths, flags, input, noWait, shell}};
    std::thread a([&] {
        for (int i = 0; i < 5; ++i)
            runner.playScheduled("a");
    });
    std::thread b([&] {
        for (int i = 0; i < 5; ++i)
            runner.playScheduled("b");
    });
    a.join();
    b.join();
    EXPECT_FALSE(playback.overlapped);
}

} // namespace
} // namespace tarnwick
