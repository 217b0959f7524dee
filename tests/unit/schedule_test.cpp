#include "fakes/memory_file_system.h"
#include "fakes/recording_notice.h"
#include "fakes/scripted_thread_primitives.h"
#include "player/run_flags.h"
#include "schedule/schedule_check.h"
#include "schedule/schedule_commands.h"
#include "schedule/schedule_slots.h"
#include "storage/data_paths.h"
#include "storage/list_file.h"
#include "storage/marks.h"
#include "storage/memory_table.h"
#include "storage/script_table.h"
#include "support/worker_thread.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The script list, the schedule and a check that runs in virtual time: each check() is one
// call of the worker's routine at the clock's current value.
class Schedule : public ::testing::Test {
  protected:
    Schedule() { files.directories = {"R", "R\\data"}; }

    int addScript(const std::string& name, const std::string& runTime) {
        const int row = scripts.appendRow("", {});
        scripts.setCellText(row, scriptColumn::name, name);
        scripts.setCellText(row, scriptColumn::state, marks::disabled);
        scripts.setCellText(row, scriptColumn::armed, marks::no);
        scripts.setCellText(row, scriptColumn::runTime, runTime);
        scripts.setCellText(row, scriptColumn::done, marks::no);
        return row;
    }
    std::string cell(int row, int column) const { return scripts.cellText(row, column); }
    void check(const DateTime& now) {
        clock = now;
        scheduleCheck.checkSchedule(ScheduleCheck::workerParameter);
    }

    MemoryTable scripts{scriptColumn::count};
    ScheduleSlots slots;
    RunFlags flags;
    testing::RecordingNotice notice;
    testing::MemoryFileSystem files;
    DataPaths paths{"R"};
    testing::ScriptedThreadPrimitives threads;
    WorkerThread worker{threads};
    DateTime clock;
    std::vector<std::string> played;
    ScheduleCommands commands{{scripts, slots, notice, paths, files}};
    ScheduleCheck scheduleCheck{{slots, scripts, flags, worker, [this] { return clock; },
                                 [this](const std::string& name) { played.push_back(name); }}};
};

// --- "开启定时" and "关闭定时" ---

TEST_F(Schedule, ArmingMarksTheRowAndFillsTheSlotWithoutSaving) {
    const int row = addScript("abc", "2024-3-5 10:30:0");
    commands.arm(row);
    EXPECT_EQ(cell(row, scriptColumn::armed), marks::yes);
    EXPECT_THAT(notice.shown, IsEmpty());
    EXPECT_THAT(files.files, IsEmpty());
    // Arming does not touch the run flags: a start hotkey pressed next still starts its run.
    EXPECT_EQ(flags.enabled.load(), 0);
    EXPECT_EQ(flags.active.load(), 0);
    check({2024, 3, 5, 10, 30, 0});
    EXPECT_THAT(played, ElementsAre("abc"));
}

TEST_F(Schedule, ArmingWithoutARunTimeAsksForOne) {
    const int noTime = addScript("a", "");
    const int noMark = addScript("b", "2024-3-5 10:30:0");
    scripts.setCellText(noMark, scriptColumn::armed, "");
    commands.arm(noTime);
    commands.arm(noMark);
    EXPECT_THAT(notice.shown, ElementsAre("请先设定执行时间!", "请先设定执行时间!"));
    EXPECT_EQ(cell(noTime, scriptColumn::armed), marks::no);
    EXPECT_EQ(cell(noMark, scriptColumn::armed), "");
    EXPECT_TRUE(slots.arm("other", "2024-3-5 10:30:0")) << "the slot is still free";
}

TEST_F(Schedule, ASecondScriptFindsTheOneSlotTaken) {
    const int first = addScript("a", "2024-3-5 10:30:0");
    const int second = addScript("b", "2024-3-5 10:20:0");
    commands.arm(first);
    commands.arm(second);
    EXPECT_THAT(notice.shown, ElementsAre("限制定时任务数!"));
    EXPECT_EQ(cell(second, scriptColumn::armed), marks::no);
    check({2024, 3, 5, 10, 30, 0});
    EXPECT_THAT(played, ElementsAre("a"));
}

TEST_F(Schedule, ArmingTheArmedAndDisarmingTheUnarmedChangeNothing) {
    const int armed = addScript("a", "2024-3-5 10:30:0");
    const int unarmed = addScript("b", "2024-3-5 10:30:0");
    commands.arm(armed);
    commands.arm(armed);
    commands.disarm(unarmed);
    EXPECT_THAT(notice.shown, IsEmpty());
    EXPECT_EQ(cell(armed, scriptColumn::armed), marks::yes);
    EXPECT_EQ(cell(unarmed, scriptColumn::armed), marks::no);
    check({2024, 3, 5, 10, 30, 0});
    EXPECT_THAT(played, ElementsAre("a"));
}

TEST_F(Schedule, DisarmingFreesTheSlot) {
    const int first = addScript("a", "2024-3-5 10:30:0");
    const int second = addScript("b", "2024-3-5 10:31:0");
    commands.arm(first);
    commands.disarm(first);
    EXPECT_EQ(cell(first, scriptColumn::armed), marks::no);
    commands.arm(second);
    EXPECT_THAT(notice.shown, IsEmpty());
    check({2024, 3, 5, 10, 31, 0});
    EXPECT_THAT(played, ElementsAre("b"));
}

TEST_F(Schedule, CommandsWithoutASelectedRowDoNothing) {
    addScript("a", "2024-3-5 10:30:0");
    for (const int row : {-1, 1}) {
        commands.arm(row);
        commands.disarm(row);
        commands.setRunTime(row, {2024, 3, 5, 9, 7, 0});
    }
    EXPECT_THAT(notice.shown, IsEmpty());
    EXPECT_THAT(files.files, IsEmpty());
    EXPECT_EQ(cell(0, scriptColumn::runTime), "2024-3-5 10:30:0");
    EXPECT_EQ(cell(0, scriptColumn::armed), marks::no);
}

// --- the OK of "设置时间" ---

TEST_F(Schedule, SettingTheRunTimeWritesTheTextAndSavesTheCatalogue) {
    const int row = addScript("abc", "");
    commands.setRunTime(row, {2024, 3, 5, 9, 7, 0});
    EXPECT_EQ(cell(row, scriptColumn::runTime), "2024-3-5 9:7:0");
    EXPECT_EQ(cell(row, scriptColumn::armed), marks::no) << "setting a time does not arm";
    MemoryTable saved(scriptColumn::count);
    loadList(saved, paths.catalogueFile(), files);
    ASSERT_EQ(saved.rowCount(), 1);
    EXPECT_EQ(saved.cellText(0, scriptColumn::runTime), "2024-3-5 9:7:0");
}

TEST_F(Schedule, ANewTimeForAnArmedScriptDoesNotMoveItsSlot) {
    const int row = addScript("abc", "2024-3-5 10:30:0");
    commands.arm(row);
    commands.setRunTime(row, {2024, 3, 5, 10, 45, 0});
    EXPECT_EQ(cell(row, scriptColumn::runTime), "2024-3-5 10:45:0");
    check({2024, 3, 5, 10, 30, 0});
    EXPECT_THAT(played, ElementsAre("abc"));
}

// --- checkSchedule ---

struct DueCase {
    const char* what;
    const char* runTime;
    DateTime now;
    bool fires;
};

void PrintTo(const DueCase& c, std::ostream* out) {
    *out << c.what;
}

class DueTest : public Schedule, public ::testing::WithParamInterface<DueCase> {};

TEST_P(DueTest, FiresOnlyInTheSameHourAtOrAfterTheSetTime) {
    const int row = addScript("abc", GetParam().runTime);
    commands.arm(row);
    check(GetParam().now);
    EXPECT_EQ(played.size(), GetParam().fires ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DueTest,
    ::testing::Values(
        DueCase{"at the set second", "2024-3-5 10:30:0", {2024, 3, 5, 10, 30, 0}, true},
        DueCase{"a second later", "2024-3-5 10:30:0", {2024, 3, 5, 10, 30, 1}, true},
        DueCase{"a second early", "2024-3-5 10:30:0", {2024, 3, 5, 10, 29, 59}, false},
        DueCase{"earlier minutes of the hour", "2024-3-5 10:30:0", {2024, 3, 5, 10, 3, 10}, false},
        DueCase{"earlier in this hour", "2024-3-5 10:15:20", {2024, 3, 5, 10, 59, 59}, true},
        DueCase{"in an earlier hour", "2024-3-5 9:59:59", {2024, 3, 5, 10, 0, 0}, false},
        DueCase{"on an earlier day", "2024-3-4 10:15:0", {2024, 3, 5, 10, 20, 0}, false},
        DueCase{"on a later day", "2024-3-6 10:15:0", {2024, 3, 5, 10, 20, 0}, false},
        DueCase{
            "12 January is not 2 November", "2024-1-12 10:15:0", {2024, 11, 2, 10, 20, 0}, false},
        DueCase{"in another year", "2023-3-5 10:15:0", {2024, 3, 5, 10, 20, 0}, false},
        DueCase{"an unreadable time", "tomorrow", {2024, 3, 5, 10, 20, 0}, false}));

TEST_F(Schedule, FiresOnceAtTheFirstCheckAtOrAfterItsTime) {
    const int row = addScript("abc", "2024-3-5 10:30:0");
    commands.arm(row);
    for (int second = 55; second < 60; ++second) {
        check({2024, 3, 5, 10, 29, second});
        EXPECT_THAT(played, IsEmpty()) << "10:29:" << second;
    }
    for (int second = 0; second < 5; ++second)
        check({2024, 3, 5, 10, 30, second});
    EXPECT_THAT(played, ElementsAre("abc"));
}

TEST_F(Schedule, AScheduledRunPlaysWithBothFlagsSetAndMarksItsRowDone) {
    addScript("other", "2024-3-5 10:30:0");
    const int row = addScript("abc", "2024-3-5 10:30:0");
    commands.arm(row);
    worker.setInterval(ScheduleCheck::checkIntervalMs);
    int32_t intervalWhilePlaying = -1;
    int32_t enabled = 0;
    int32_t active = 0;
    ScheduleCheck observed({slots, scripts, flags, worker, [this] { return clock; },
                            [&](const std::string& name) {
                                played.push_back(name);
                                intervalWhilePlaying = worker.interval();
                                enabled = flags.enabled.load();
                                active = flags.active.load();
                                EXPECT_EQ(cell(row, scriptColumn::armed), marks::yes);
                            }});
    clock = {2024, 3, 5, 10, 30, 0};
    observed.checkSchedule(ScheduleCheck::workerParameter);
    EXPECT_THAT(played, ElementsAre("abc"));
    EXPECT_EQ(enabled, 1);
    EXPECT_EQ(active, 1);
    EXPECT_EQ(intervalWhilePlaying, 0);
    EXPECT_EQ(worker.interval(), ScheduleCheck::checkIntervalMs);
    EXPECT_EQ(cell(row, scriptColumn::done), marks::yes);
    EXPECT_EQ(cell(row, scriptColumn::armed), marks::no);
    EXPECT_EQ(cell(0, scriptColumn::done), marks::no) << "only the played row is marked";
    EXPECT_THAT(files.files, IsEmpty()) << "the marks are not saved here";
}

TEST_F(Schedule, APlayedScriptCanBeArmedAgainWithItsTime) {
    const int row = addScript("abc", "2024-3-5 10:30:0");
    commands.arm(row);
    check({2024, 3, 5, 10, 30, 0});
    commands.arm(row);
    EXPECT_THAT(notice.shown, IsEmpty());
    EXPECT_EQ(cell(row, scriptColumn::armed), marks::yes);
    check({2024, 3, 5, 10, 30, 1});
    EXPECT_THAT(played, ElementsAre("abc", "abc"));
}

TEST_F(Schedule, ADeletedArmedScriptStillPlaysButMarksNoRow) {
    const int row = addScript("abc", "2024-3-5 10:30:0");
    commands.arm(row);
    scripts.removeAllRows();
    addScript("xyz", "");
    check({2024, 3, 5, 10, 30, 0});
    EXPECT_THAT(played, ElementsAre("abc"));
    EXPECT_EQ(cell(0, scriptColumn::done), marks::no);
    EXPECT_TRUE(slots.arm("xyz", "2024-3-5 11:0:0")) << "the slot was freed";
}

TEST_F(Schedule, TheCheckRunsOnTheWorkerEverySecondFromTheStart) {
    worker.start([this](uint32_t p) { scheduleCheck.checkSchedule(p); },
                 ScheduleCheck::checkIntervalMs, 0, ScheduleCheck::workerParameter);
    threads.wakeDuringPause = 4;
    threads.runThread();
    EXPECT_THAT(threads.pauses, ElementsAre(0, 1000, 1000, 1000));
}

} // namespace
} // namespace tarnwick
