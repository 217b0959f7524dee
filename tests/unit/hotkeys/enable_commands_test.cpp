#include "fakes/fake_fields.h"
#include "fakes/recording_notice.h"
#include "fakes/scripted_hotkey_platform.h"
#include "fakes/selectable_table.h"
#include "hotkeys/enable_commands.h"
#include "hotkeys/hotkey_watcher.h"
#include "player/run_flags.h"
#include "storage/marks.h"
#include "storage/script_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tarnwick {
namespace {

using testing::FakeTextField;
using testing::ManualTimers;
using testing::QueuedThreads;
using testing::RecordingNotice;
using testing::ScriptedKeyboard;
using testing::SelectableTable;

using Row = std::vector<std::string>;
// Enabled states of the Start and the Stop button.
using Buttons = std::pair<bool, bool>;
constexpr Buttons forEnabledRow{false, true};
constexpr Buttons forDisabledRow{true, false};

class EnableCommandsTest : public ::testing::Test {
  protected:
    EnableCommandsTest() {
        table.addRow({"0", "abc", "F1", "1", marks::disabled, "", "", ""});
        table.addRow({"1", "def", "F1", "1", marks::disabled, "", "", ""});
        table.addRow({"2", "ghi", "F2", "1", marks::disabled, "", "", ""});
    }

    Buttons buttons() const { return {startButton.isEnabled(), disableButton.isEnabled()}; }
    void setButtons(Buttons b) {
        startButton.setEnabled(b.first);
        disableButton.setEnabled(b.second);
    }
    void startRow(int row) {
        table.selectRow(row);
        commands.onStartClicked();
    }
    void disableRow(int row) {
        table.selectRow(row);
        commands.onDisableClicked();
    }
    // Presses and lets go of a key across two polls; gives the identifiers the runs got.
    std::vector<int32_t> pressKey(int key) {
        keyboard.press(key);
        timers.tickAll();
        keyboard.release(key);
        timers.tickAll();
        threads.runAll();
        return std::exchange(played, {});
    }

    SelectableTable table{scriptColumn::count};
    ScriptedKeyboard keyboard;
    ManualTimers timers;
    QueuedThreads threads;
    HotkeyWatcher watcher{{keyboard, timers, threads}};
    RunFlags runFlags;
    FakeTextField startButton{"启动", true};
    FakeTextField disableButton{"停用", false};
    RecordingNotice notice;
    std::vector<int32_t> played;
    EnableCommands commands{{watcher, runFlags, table, table, startButton, disableButton, notice,
                             [this](int32_t identifier) { played.push_back(identifier); }}};
};

TEST_F(EnableCommandsTest, StartBindsTheStartHotkeyToTheRunnerOnItsOwnThread) {
    runFlags.enabled = 1;
    runFlags.active = 1; // a run is playing: Start stops it
    startRow(0);

    EXPECT_EQ(runFlags.enabled, 1);
    EXPECT_EQ(runFlags.active, 0);
    EXPECT_EQ(table.cells(0), (Row{"1000001", "abc", "F1", "1", marks::enabled, "", "", ""}));
    EXPECT_EQ(buttons(), forEnabledRow);
    EXPECT_TRUE(notice.shown.empty());

    keyboard.press(112);
    timers.tickAll();
    EXPECT_TRUE(played.empty()) << "the runner must not run inside the poll";
    EXPECT_EQ(threads.waiting.size(), 1u);
    keyboard.release(112);
    threads.runAll();
    EXPECT_EQ(played, std::vector<int32_t>{1000001});
}

TEST_F(EnableCommandsTest, StartWithAnUnknownHotkeyNameTellsTheUserAndChangesNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"f1", "f1热键注册失败"},
        {"", "热键注册失败"},
        {"F13", "F13热键注册失败"},
    };
    for (const auto& [hotkey, message] : cases) {
        SCOPED_TRACE(hotkey);
        table.setCellText(2, scriptColumn::startHotkey, hotkey);
        const Row before = table.cells(2);
        notice.shown.clear();
        runFlags.enabled = 0;
        runFlags.active = 1;
        startRow(2);
        EXPECT_EQ(notice.shown, std::vector<std::string>{message});
        EXPECT_EQ(table.cells(2), before);
        EXPECT_EQ(buttons(), forDisabledRow);
        // The flags are set before the bind is tried.
        EXPECT_EQ(runFlags.enabled, 1);
        EXPECT_EQ(runFlags.active, 0);
    }
    EXPECT_TRUE(timers.started.empty());
}

TEST_F(EnableCommandsTest, WithNoRowSelectedNeitherButtonDoesAnything) {
    startRow(0);
    runFlags.active = 1;
    setButtons({true, true});
    table.selectRow(-1);
    const auto before = table.allRows();
    commands.onStartClicked();
    commands.onDisableClicked();
    commands.onFocusedRowChanged();
    EXPECT_EQ(runFlags.active, 1);
    EXPECT_EQ(table.allRows(), before);
    EXPECT_EQ(buttons(), Buttons(true, true));
    EXPECT_EQ(pressKey(112), std::vector<int32_t>{1000001});
}

TEST_F(EnableCommandsTest, DisableReleasesTheBindingAndEmptiesTheIdentifier) {
    startRow(0);
    startRow(2);
    disableRow(0);

    EXPECT_EQ(table.cells(0), (Row{"", "abc", "F1", "1", marks::disabled, "", "", ""}));
    EXPECT_EQ(buttons(), forDisabledRow);
    EXPECT_TRUE(pressKey(112).empty());
    EXPECT_EQ(pressKey(113), std::vector<int32_t>{1000002});

    startRow(0);
    EXPECT_EQ(table.cellText(0, scriptColumn::identifier), "1000001");
    EXPECT_EQ(pressKey(112), std::vector<int32_t>{1000001});
}

TEST_F(EnableCommandsTest, RowsWithTheSameHotkeyShareOneBinding) {
    startRow(0);
    startRow(1);
    EXPECT_EQ(table.cellText(1, scriptColumn::identifier), "1000001");

    disableRow(1);
    EXPECT_EQ(table.cellText(0, scriptColumn::state), marks::enabled);
    EXPECT_TRUE(pressKey(112).empty());
    // The other row's Stop finds the binding released already and still clears the row.
    disableRow(0);
    EXPECT_EQ(table.cells(0), (Row{"", "abc", "F1", "1", marks::disabled, "", "", ""}));
}

TEST_F(EnableCommandsTest, DisableOnARowThatIsNotEnabledDoesNothing) {
    startRow(0);
    for (const char* state : {marks::disabled, "", "启用 "}) {
        SCOPED_TRACE(state);
        table.setCellText(1, scriptColumn::identifier, "1000001");
        table.setCellText(1, scriptColumn::state, state);
        const Row before = table.cells(1);
        disableRow(1);
        EXPECT_EQ(table.cells(1), before);
        EXPECT_EQ(buttons(), forEnabledRow);
        EXPECT_EQ(pressKey(112), std::vector<int32_t>{1000001});
    }
}

TEST_F(EnableCommandsTest, DisableOnAnEnabledRowWithoutIdentifierReleasesNoOtherBinding) {
    startRow(0);
    startRow(2);
    for (const char* identifier : {"", "abc", "0"}) {
        SCOPED_TRACE(identifier);
        table.setCellText(1, scriptColumn::state, marks::enabled);
        table.setCellText(1, scriptColumn::identifier, identifier);
        disableRow(1);
        EXPECT_EQ(table.cells(1), (Row{"", "def", "F1", "1", marks::disabled, "", "", ""}));
        EXPECT_EQ(pressKey(112), std::vector<int32_t>{1000001});
        EXPECT_EQ(pressKey(113), std::vector<int32_t>{1000002});
    }
}

TEST_F(EnableCommandsTest, FocusedRowSetsTheButtonsFromItsState) {
    const Buttons untouched{true, true};
    const std::pair<const char*, Buttons> cases[] = {
        {marks::enabled, forEnabledRow},
        {marks::disabled, forDisabledRow},
        {"", untouched},
        {marks::yes, untouched},
    };
    for (const auto& [state, expected] : cases) {
        SCOPED_TRACE(state);
        table.setCellText(1, scriptColumn::state, state);
        setButtons(untouched);
        table.selectRow(1);
        commands.onFocusedRowChanged();
        EXPECT_EQ(buttons(), expected);
    }
}

} // namespace
} // namespace tarnwick
