#include "fakes/editor_fixture.h"
#include "storage/script_settings.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class StepListEditingTest : public ::testing::Test, public testing::EditorFixture {
  protected:
    StepListEditingTest() {
        name.setText("abc");
        for (const auto& row : threeSteps)
            steps.addRow(row);
    }
    // Every cell differs, the hidden key count included, and texts hold "|" and ",".
    const Rows threeSteps{{"1,1", "左键单击", "10", "上滚动", "1", "a|b", "65", "4"},
                          {"2,2", "右键单击", "20", "下滚动", "2", "c,d", "66", "5"},
                          {"3,3", "鼠标移动", "30", "无事件", "3", "无内容", "无事件", "6"}};
};

TEST_F(StepListEditingTest, MovesExchangeWholeRowsAndKeepTheSelectedIndex) {
    const auto& [a, b, c] = std::tie(threeSteps[0], threeSteps[1], threeSteps[2]);
    struct Case {
        const char* what;
        int selected;
        std::vector<bool> ups; // true: up, false: down
        Rows expected;
    };
    const Case cases[] = {
        {"up from the middle", 1, {true}, {b, a, c}},
        {"down from the middle", 1, {false}, {a, c, b}},
        {"up twice restores", 1, {true, true}, {a, b, c}},
        {"down twice restores", 0, {false, false}, {a, b, c}},
        {"first row up", 0, {true}, {a, b, c}},
        {"last row down", 2, {false}, {a, b, c}},
        {"no selection up", -1, {true}, {a, b, c}},
        {"no selection down", -1, {false}, {a, b, c}},
        {"down from the top", 0, {false}, {b, a, c}},
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.what);
        steps.removeAllRows();
        for (const auto& row : threeSteps)
            steps.addRow(row);
        steps.selectRow(cs.selected);
        for (bool up : cs.ups)
            up ? stepCommands.moveStepUp() : stepCommands.moveStepDown();
        EXPECT_EQ(steps.allRows(), cs.expected);
        EXPECT_EQ(steps.selectedRow(), cs.selected);
    }
    EXPECT_TRUE(files.files.empty()); // moving never writes the step file
}

TEST_F(StepListEditingTest, OneRowCannotMoveDown) {
    steps.removeAllRows();
    steps.addRow(threeSteps[0]);
    steps.selectRow(0);
    stepCommands.moveStepDown();
    stepCommands.moveStepUp();
    EXPECT_EQ(steps.allRows(), Rows{threeSteps[0]});
}

TEST_F(StepListEditingTest, DeleteRemovesTheSelectedStepAndWritesTheFile) {
    steps.selectRow(1);
    stepCommands.deleteStep();
    const Rows left{threeSteps[0], threeSteps[2]};
    EXPECT_EQ(steps.allRows(), left);
    EXPECT_EQ(stepFile(), left);
}

TEST_F(StepListEditingTest, DeleteWithoutSelectionKeepsTheStepsAndStillWritesThem) {
    stepCommands.deleteStep();
    EXPECT_EQ(steps.allRows(), threeSteps);
    EXPECT_EQ(stepFile(), threeSteps);
}

TEST_F(StepListEditingTest, ClearWritesAnEmptyStepFile) {
    files.files["R\\data\\abc\\abc.dat"] = "old";
    stepCommands.clearSteps();
    EXPECT_EQ(steps.rowCount(), 0);
    EXPECT_EQ(files.files.at("R\\data\\abc\\abc.dat"), "");
}

class ScriptSettingsEditorTest : public ::testing::Test, public testing::EditorFixture {
  protected:
    ScriptSettingsEditorTest() {
        name.setText("abc");
        addScript("other", "F2");
        addScript("abc", "F1");
        addScript("third", "F1");
        context.row = 1;
    }
    std::string storedHotkey() {
        return readSetting(files, "R\\data\\abc\\abc.ini", "启动热键", "热键");
    }
    void choose(const std::string& entry) {
        startHotkey.setText(entry);
        settings.onHotkeyChosen();
    }
};

TEST_F(ScriptSettingsEditorTest, AFreeHotkeyIsStoredEverywhere) {
    settings.onHotkeyListOpening();
    choose("F5");
    EXPECT_EQ(storedHotkey(), "F5");
    EXPECT_EQ(scripts.cellText(1, 2), "F5");
    EXPECT_EQ(catalogue(), scripts.allRows());
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(ScriptSettingsEditorTest, AHotkeyAnotherScriptHoldsIsRefused) {
    settings.onHotkeyListOpening(); // remembers "F1"
    choose("F2");
    EXPECT_EQ(notice.shown, (std::vector<std::string>{"热键已有相同请更换!"}));
    EXPECT_EQ(startHotkey.text(), "F1");
    EXPECT_EQ(scripts.cellText(1, 2), "F1");
    EXPECT_TRUE(files.files.empty());
}

TEST_F(ScriptSettingsEditorTest, TheRememberedNamePassesThoughOthersShareIt) {
    settings.onHotkeyListOpening();
    choose("F1"); // "third" holds F1 too
    EXPECT_TRUE(notice.shown.empty());
    EXPECT_EQ(storedHotkey(), "F1");
    EXPECT_EQ(catalogue(), scripts.allRows());
}

TEST_F(ScriptSettingsEditorTest, WithoutADropDownTheRememberedNameIsEmpty) {
    choose("F1");
    EXPECT_EQ(notice.shown, (std::vector<std::string>{"热键已有相同请更换!"}));
    EXPECT_EQ(startHotkey.text(), "");
    EXPECT_TRUE(files.files.empty());
}

TEST_F(ScriptSettingsEditorTest, EveryLoopTextIsStoredAsTyped) {
    for (const char* typed : {"0", "", "abc", "12"}) {
        SCOPED_TRACE(typed);
        loop.setText(typed);
        settings.onLoopChanged();
        EXPECT_EQ(readSetting(files, "R\\data\\abc\\abc.ini", "无限循环", "循环"), typed);
        EXPECT_EQ(scripts.cellText(1, 3), typed);
        EXPECT_EQ(scripts.cellText(0, 3), "1");
        EXPECT_EQ(catalogue(), scripts.allRows());
    }
}

TEST_F(ScriptSettingsEditorTest, RowsDeletedWhileEditingDoNotRedirectTheChange) {
    scripts.removeRow(0); // "other", above the edited script
    loop.setText("7");
    settings.onLoopChanged();
    EXPECT_EQ(scripts.cellText(0, 3), "7");
    EXPECT_EQ(scripts.cellText(1, 3), "1");
    EXPECT_EQ(catalogue(), scripts.allRows());

    scripts.removeRow(0); // the edited script itself
    const auto before = scripts.allRows();
    loop.setText("8");
    settings.onLoopChanged();
    EXPECT_EQ(scripts.allRows(), before);
}

} // namespace
} // namespace tarnwick
