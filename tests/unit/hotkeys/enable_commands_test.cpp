#include "fakes/scripted_hotkey_platform.h"
#include "hotkeys/enable_commands.h"
#include "hotkeys/hotkey_watcher.h"
#include "player/run_flags.h"
#include "storage/marks.h"
#include "storage/memory_table.h"
#include "storage/script_table.h"
#include "support/notice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::ManualTimers;
using testing::QueuedThreads;
using testing::ScriptedKeyboard;

class FakeButtons : public EnableButtons {
  public:
    std::optional<bool> start;
    std::optional<bool> disable;
    void setStartButtonEnabled(bool enabled) override { start = enabled; }
    void setDisableButtonEnabled(bool enabled) override { disable = enabled; }
};

class FakeSelection : public RowSelection {
  public:
    int row = -1;
    int selectedRow() const override { return row; }
};

class RecordedNotices : public Notice {
  public:
    std::vector<std::string> texts;
    void show(const std::string& text) override { texts.push_back(text); }
};

using Row = std::vector<std::string>;

class EnableCommandsTest : public ::testing::Test {
  protected:
    EnableCommandsTest() {
        addScript("abc", "F1", marks::disabled);
        addScript("def", "F1", marks::disabled);
        addScript("ghi", "F2", marks::disabled);
    }

    void addScript(const std::string& name, const std::string& hotkey, const char* state) {
        const int row = table.appendRow(std::to_string(table.rowCount()), {});
        table.setCellText(row, scriptColumn::name, name);
        table.setCellText(row, scriptColumn::startHotkey, hotkey);
        table.setCellText(row, scriptColumn::loopCount, "1");
        table.setCellText(row, scriptColumn::state, state);
    }
    Row row(int r) const {
        Row cells;
        for (int c = 0; c < scriptColumn::count; ++c)
            cells.push_back(table.cellText(r, c));
        return cells;
    }
    void startRow(int r) {
        selection.row = r;
        commands.onStartClicked();
    }
    void disableRow(int r) {
        selection.row = r;
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

    MemoryTable table{scriptColumn::count};
    ScriptedKeyboard keyboard;
    ManualTimers timers;
    QueuedThreads threads;
    HotkeyWatcher watcher{{keyboard, timers, threads}};
    RunFlags runFlags;
    FakeSelection selection;
    FakeButtons buttons;
    RecordedNotices notices;
    std::vector<int32_t> played;
    EnableCommands commands{{watcher, runFlags, table, selection, buttons, notices,
                             [this](int32_t identifier) { played.push_back(identifier); }}};
};

TEST_F(EnableCommandsTest, StartBindsTheStartHotkeyToTheRunnerOnItsOwnThread) {
    runFlags.enabled = 1;
    runFlags.active = 1; // a run is playing: Start stops it
    startRow(0);

    EXPECT_EQ(runFlags.enabled, 1);
    EXPECT_EQ(runFlags.active, 0);
    EXPECT_EQ(row(0), (Row{"1000001", "abc", "F1", "1", marks::enabled, "", "", ""}));
    EXPECT_EQ(buttons.start, false);
    EXPECT_EQ(buttons.disable, true);
    EXPECT_TRUE(notices.texts.empty());

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
        const Row before = row(2);
        notices.texts.clear();
        runFlags.enabled = 0;
        runFlags.active = 1;
        startRow(2);
        EXPECT_EQ(notices.texts, std::vector<std::string>{message});
        EXPECT_EQ(row(2), before);
        EXPECT_FALSE(buttons.start.has_value());
        EXPECT_FALSE(buttons.disable.has_value());
        // The flags are set before the bind is tried.
        EXPECT_EQ(runFlags.enabled, 1);
        EXPECT_EQ(runFlags.active, 0);
    }
    EXPECT_TRUE(timers.started.empty());
}

TEST_F(EnableCommandsTest, WithNoRowSelectedNeitherButtonDoesAnything) {
    startRow(0);
    runFlags.active = 1;
    buttons = {};
    selection.row = -1;
    const Row before = row(0);
    commands.onStartClicked();
    commands.onDisableClicked();
    commands.onFocusedRowChanged();
    EXPECT_EQ(runFlags.active, 1);
    EXPECT_EQ(row(0), before);
    EXPECT_FALSE(buttons.start.has_value());
    EXPECT_FALSE(buttons.disable.has_value());
    EXPECT_EQ(pressKey(112), std::vector<int32_t>{1000001});
}

TEST_F(EnableCommandsTest, DisableReleasesTheBindingAndEmptiesTheIdentifier) {
    startRow(0);
    startRow(2);
    disableRow(0);

    EXPECT_EQ(row(0), (Row{"", "abc", "F1", "1", marks::disabled, "", "", ""}));
    EXPECT_EQ(buttons.start, true);
    EXPECT_EQ(buttons.disable, false);
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
    EXPECT_EQ(row(0), (Row{"", "abc", "F1", "1", marks::disabled, "", "", ""}));
}

TEST_F(EnableCommandsTest, DisableOnARowThatIsNotEnabledDoesNothing) {
    startRow(0);
    buttons = {};
    for (const char* state : {marks::disabled, "", "启用 "}) {
        SCOPED_TRACE(state);
        table.setCellText(1, scriptColumn::identifier, "1000001");
        table.setCellText(1, scriptColumn::state, state);
        const Row before = row(1);
        disableRow(1);
        EXPECT_EQ(row(1), before);
        EXPECT_FALSE(buttons.start.has_value());
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
        EXPECT_EQ(row(1), (Row{"", "def", "F1", "1", marks::disabled, "", "", ""}));
        EXPECT_EQ(pressKey(112), std::vector<int32_t>{1000001});
        EXPECT_EQ(pressKey(113), std::vector<int32_t>{1000002});
    }
}

TEST_F(EnableCommandsTest, FocusedRowSetsTheButtonsFromItsState) {
    struct Case {
        const char* state;
        std::optional<bool> start;
        std::optional<bool> disable;
    };
    const Case cases[] = {
        {marks::enabled, false, true},
        {marks::disabled, true, false},
        {"", std::nullopt, std::nullopt},
        {marks::yes, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        table.setCellText(1, scriptColumn::state, c.state);
        buttons = {};
        selection.row = 1;
        commands.onFocusedRowChanged();
        EXPECT_EQ(buttons.start, c.start);
        EXPECT_EQ(buttons.disable, c.disable);
    }
}

} // namespace
} // namespace tarnwick
