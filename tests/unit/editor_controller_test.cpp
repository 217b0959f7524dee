#include "fakes/editor_fixture.h"
#include "storage/script_settings.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using Step = std::vector<std::string>;
using testing::SelectableTable;

class EditorControllerTest : public ::testing::Test, public testing::EditorFixture {
  protected:
    void openOn(const char* mode) {
        context.mode = mode;
        editor.onOpened();
    }
    // The cursor sits at the point when the timer samples it.
    void captureAt(CursorPoint p, int32_t keyCode = pauseKeyCode) {
        editor.onCursorSampled(p);
        keys.press(keyCode);
    }
    void putStep(const Step& cells) { steps.addRow(cells); }
};

TEST_F(EditorControllerTest, OpeningANewScriptBindsPauseAndF9AndKeepsTheStartTexts) {
    addScript("abc", "F1");
    openOn("添加");
    EXPECT_EQ(name.text(), "abc");
    ASSERT_EQ(keys.bindings.size(), 2u);
    EXPECT_EQ(keys.bindings[0].keyCode, 19);
    EXPECT_EQ(keys.bindings[1].keyCode, 120);
    EXPECT_EQ(steps.rowCount(), 0);
    EXPECT_EQ(startHotkey.text(), "F1");
    EXPECT_EQ(loop.text(), "1");
    EXPECT_TRUE(files.files.empty());
}

TEST_F(EditorControllerTest, OpeningAnExistingScriptShowsItsStepsHotkeyAndLoop) {
    addScript("other", "F1");
    addScript("abc", "F4");
    context = {"abc", "F4", "F2", "3", "修改", 1};
    SelectableTable saved(8);
    saved.addRow({"1,2", "左键单击", "50", "无事件", "0", "hi", "65", "2"});
    files.files["R\\data\\abc\\abc.dat"] = encodeList(saved);
    editor.onOpened();
    EXPECT_EQ(steps.allRows(), saved.allRows());
    EXPECT_EQ(startHotkey.text(), "F4");
    EXPECT_EQ(loop.text(), "3");
    // Setting the loop text stores it back like a keystroke would.
    EXPECT_EQ(readSetting(files, "R\\data\\abc\\abc.ini", "无限循环", "循环"), "3");
    EXPECT_EQ(scripts.cellText(1, 3), "3");
    EXPECT_EQ(scripts.cellText(0, 3), "1");
    EXPECT_EQ(catalogue(), scripts.allRows());
}

TEST_F(EditorControllerTest, CursorSamplesShowInTheLabelWithTheirSign) {
    editor.onCursorSampled({-1280, 200});
    EXPECT_EQ(cursor.text(), "-1280,200");
    EXPECT_EQ(memory.lastCursorPos.x, -1280);
    EXPECT_EQ(memory.lastCursorPos.y, 200);
}

TEST_F(EditorControllerTest, CaptureWhileAddingAppendsAStepFromTheFields) {
    struct Case {
        const char* what;
        const char* text;
        const char* key;
        Step expected;
    };
    const Case cases[] = {
        {"empty boxes take the placeholders",
         "",
         "",
         {"5,6", "左键双击", "40", "下滚动", "3", "无内容", "无事件", "7"}},
        {"filled boxes are taken as they are",
         "a|b,c",
         "65",
         {"5,6", "左键双击", "40", "下滚动", "3", "a|b,c", "65", "7"}},
    };
    openOn("添加");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        steps.removeAllRows();
        mouseAction.selectIndex(2);
        interval.setText("40");
        wheelAction.selectIndex(1);
        wheelCount.setText("3");
        text.setText(c.text);
        key.setText(c.key);
        keyCount.setText("7");
        captureAt({5, 6});
        EXPECT_EQ(position.text(), "5,6");
        EXPECT_EQ(steps.allRows(), Rows{c.expected});
    }
}

TEST_F(EditorControllerTest, EachPressOfPauseOrF9AppendsOneStepAtTheLastSample) {
    openOn("添加");
    captureAt({1, 2}, pauseKeyCode);
    captureAt({3, 4}, f9KeyCode);
    editor.onCursorSampled({9, 9});
    memory.lastCursorPos = {7, 8}; // what the next capture takes, whatever the label shows
    keys.press(pauseKeyCode);
    ASSERT_EQ(steps.rowCount(), 3);
    EXPECT_EQ(steps.cells(0),
              (Step{"1,2", "鼠标移动", "600", "无事件", "0", "无内容", "无事件", "1"}));
    EXPECT_EQ(steps.cellText(1, 0), "3,4");
    EXPECT_EQ(steps.cellText(2, 0), "7,8");
    EXPECT_TRUE(files.files.empty()); // capture does not write the step file
}

TEST_F(EditorControllerTest, CaptureWhileChangingOnlySetsThePosition) {
    openOn("添加");
    putStep({"1,1", "鼠标移动", "600", "无事件", "0", "无内容", "无事件", "1"});
    steps.selectRow(0);
    editor.onStepDoubleClicked();
    captureAt({30, 40});
    EXPECT_EQ(position.text(), "30,40");
    EXPECT_EQ(steps.rowCount(), 1);
    EXPECT_EQ(steps.cellText(0, 0), "1,1");
    editor.onConfirmClicked();
    EXPECT_EQ(steps.cellText(0, 0), "30,40");
}

TEST_F(EditorControllerTest, SaveWritesTheStepFileNamedByTheNameBox) {
    openOn("添加");
    captureAt({1, 2});
    editor.onConfirmClicked();
    EXPECT_EQ(stepFile(), steps.allRows());
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(EditorControllerTest, ChangeWritesTheSelectedRowWithThePlaceholders) {
    openOn("添加");
    putStep({"1,1", "左键单击", "10", "上滚动", "2", "hello", "65", "3"});
    putStep({"2,2", "右键单击", "20", "下滚动", "4", "bye", "66", "5"});
    steps.selectRow(1);
    editor.onStepDoubleClicked();
    EXPECT_EQ(confirm.text(), "确定修改");
    text.setText("");
    key.setText("");
    editor.onConfirmClicked();
    EXPECT_EQ(steps.cells(1),
              (Step{"2,2", "右键单击", "20", "下滚动", "4", "无内容", "无事件", "5"}));
    EXPECT_EQ(steps.cellText(0, 5), "hello");
    EXPECT_EQ(confirm.text(), "确定保存");
    EXPECT_EQ(notice.shown, (std::vector<std::string>{"修改成功!"}));
    EXPECT_TRUE(files.files.empty()); // the change is not saved here
    captureAt({3, 3});
    EXPECT_EQ(steps.rowCount(), 3); // adding again
}

TEST_F(EditorControllerTest, ChangeWithoutASelectedRowSaysNothingChanged) {
    openOn("添加");
    putStep({"1,1", "左键单击", "10", "上滚动", "2", "hello", "65", "3"});
    steps.selectRow(0);
    editor.onStepDoubleClicked();
    steps.selectRow(-1);
    position.setText("9,9");
    editor.onConfirmClicked();
    EXPECT_EQ(steps.cellText(0, 0), "1,1");
    EXPECT_EQ(confirm.text(), "确定保存");
    EXPECT_EQ(notice.shown, (std::vector<std::string>{noStepToChangeNotice}));
}

TEST_F(EditorControllerTest, DoubleClickLoadsTheStepIntoTheFields) {
    struct Case {
        Step cells;
        bool keyEnabled;
        const char* mouseShown;
        const char* wheelShown;
    };
    const Case cases[] = {
        {{"1,2", "右键双击", "10", "上滚动", "2", "hi", "65", "3"}, true, "右键双击", "上滚动"},
        {{"1,2", "左键松开", "10", "下滚动", "2", "无内容", "无事件", "3"},
         false,
         "左键松开",
         "下滚动"},
        {{"1,2", "", "10", "无事件", "2", "x", "13", "3"}, true, "", "无事件"},
        // Names the lists do not hold leave the lists as they were.
        {{"1,2", "双击", "10", "乱滚", "2", "x", "13", "3"}, true, "左键单击", "上滚动"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cells[1]);
        steps.removeAllRows();
        putStep(c.cells);
        steps.selectRow(0);
        mouseAction.selectIndex(1);
        wheelAction.selectIndex(0);
        key.setText("无事件");
        key.setEnabled(false);
        noKey.setChecked(true);
        editor.onStepDoubleClicked();
        EXPECT_EQ(confirm.text(), "确定修改");
        EXPECT_EQ(position.text(), c.cells[0]);
        EXPECT_EQ(interval.text(), c.cells[2]);
        EXPECT_EQ(wheelCount.text(), c.cells[4]);
        EXPECT_EQ(text.text(), c.cells[5]);
        EXPECT_EQ(key.text(), c.cells[6]);
        EXPECT_EQ(keyCount.text(), c.cells[7]);
        EXPECT_EQ(key.isEnabled(), c.keyEnabled);
        EXPECT_EQ(noKey.isChecked(), !c.keyEnabled);
        EXPECT_EQ(mouseAction.text(), c.mouseShown);
        EXPECT_EQ(wheelAction.text(), c.wheelShown);
    }
}

TEST_F(EditorControllerTest, DoubleClickWithoutASelectedRowDoesNothing) {
    putStep({"1,2", "右键双击", "10", "上滚动", "2", "hi", "65", "3"});
    editor.onStepDoubleClicked();
    EXPECT_EQ(confirm.text(), "确定保存");
    EXPECT_EQ(position.text(), "");
}

TEST_F(EditorControllerTest, ChangingTheFocusedStepDropsTheChange) {
    openOn("添加");
    putStep({"1,2", "右键双击", "10", "上滚动", "2", "hi", "65", "3"});
    steps.selectRow(0);
    editor.onStepDoubleClicked();
    editor.onFocusedStepChanged();
    EXPECT_EQ(confirm.text(), "确定保存");
    captureAt({5, 5});
    EXPECT_EQ(steps.rowCount(), 2);
}

TEST_F(EditorControllerTest, RightClickOpensTheStepMenuWithOrWithoutASelection) {
    editor.onStepRightClicked();
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"step menu"}));
}

TEST_F(EditorControllerTest, KeyBoxHoldsTheLastKeyReleasedExceptPause) {
    struct Case {
        const char* what;
        std::vector<std::pair<bool, int>> keys; // (down, code)
        const char* expected;
    };
    const Case cases[] = {
        {"a key", {{true, 65}, {false, 65}}, "65"},
        {"the last released of two", {{true, 16}, {true, 65}, {false, 65}, {false, 16}}, "16"},
        {"held down", {{true, 65}}, ""},
        {"Pause changes nothing", {{true, 19}, {false, 19}}, "88"},
        {"Pause after a key", {{true, 13}, {false, 13}, {true, 19}, {false, 19}}, "13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        key.setText("88");
        for (auto [down, code] : c.keys) {
            if (down)
                editor.onKeyDown(code);
            else
                editor.onKeyUp(code);
        }
        EXPECT_EQ(key.text(), c.expected);
    }
}

TEST_F(EditorControllerTest, NoKeyBoxSwitchesTheKeyBox) {
    noKey.setChecked(false); // the click has cleared it
    editor.onNoKeyClicked();
    EXPECT_TRUE(key.isEnabled());
    EXPECT_EQ(key.text(), "");
    key.setText("65");
    noKey.setChecked(true);
    editor.onNoKeyClicked();
    EXPECT_FALSE(key.isEnabled());
    EXPECT_EQ(key.text(), "无事件");
}

TEST_F(EditorControllerTest, ClosingReleasesTheKeysWritesBothFilesAndShowsTheMainWindow) {
    addScript("abc", "F1");
    openOn("添加");
    captureAt({1, 2});
    scripts.setCellText(0, 2, "F3");
    editor.onClosing();
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"stop timer", "show main"}));
    EXPECT_TRUE(keys.bindings[0].released);
    EXPECT_TRUE(keys.bindings[1].released);
    EXPECT_EQ(stepFile(), steps.allRows());
    EXPECT_EQ(catalogue(), scripts.allRows());
    keys.press(pauseKeyCode);
    keys.press(f9KeyCode);
    EXPECT_EQ(steps.rowCount(), 1);
}

} // namespace
} // namespace tarnwick
