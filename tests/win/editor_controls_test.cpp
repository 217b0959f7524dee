#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/edit_box.h"
#include "platform/list_view.h"
#include "platform/process.h"
#include "platform/win32.h"
#include "platform/window.h"
#include "platform/window_timer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

class EditorControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        initialiseCommonControls();
        ASSERT_TRUE(window.create({"editor controls test", 0, 0, 400, 300}));
    }
    static void pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    Window window;
};

TEST_F(EditorControlsTest, EditBoxReportsOnlyTheUsersEdits) {
    EditBox box;
    ASSERT_TRUE(box.create(window, {0, 0, 100, 22, "1"}));
    int changes = 0;
    box.onTextChanged = [&] { ++changes; };
    box.setText("启用");
    EXPECT_EQ(box.text(), "启用");
    EXPECT_EQ(changes, 0);
    SendMessageW(box.handle(), EM_SETSEL, 2, 2);
    SendMessageW(box.handle(), WM_CHAR, L'7', 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.text(), "启用7");
    box.setText("0");
    SendMessageW(box.handle(), EM_SETSEL, 1, 1);
    SendMessageW(box.handle(), WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box.text(), "");
}

TEST_F(EditorControlsTest, KeyBoxPassesKeyCodesDownAndUp) {
    EditBox box;
    ASSERT_TRUE(box.create(window, {0, 0, 100, 22}, {false, true}));
    std::vector<std::string> seen;
    box.onKeyDown = [&](int code) { seen.push_back("down " + std::to_string(code)); };
    box.onKeyUp = [&](int code) { seen.push_back("up " + std::to_string(code)); };
    SendMessageW(box.handle(), WM_KEYDOWN, 'A', 0x001E0001);
    SendMessageW(box.handle(), WM_KEYUP, 'A', LPARAM(0xC01E0001));
    SendMessageW(box.handle(), WM_CHAR, 'a', 0x001E0001);
    // F10 arrives as a system key; it must not open the window menu (which would block here).
    SendMessageW(box.handle(), WM_SYSKEYDOWN, VK_F10, 0x00440001);
    SendMessageW(box.handle(), WM_SYSKEYUP, VK_F10, LPARAM(0xC0440001));
    EXPECT_EQ(seen, (std::vector<std::string>{"down 65", "up 65", "down 121", "up 121"}));
    EXPECT_EQ(box.text(), ""); // typed characters are not inserted
}

TEST_F(EditorControlsTest, KeyBoxRecordsTabEnterAndEscThroughTheDialogManager) {
    EditBox box;
    ASSERT_TRUE(box.create(window, {0, 0, 100, 22}, {false, true}));
    CheckBox next;
    ASSERT_TRUE(next.create(window, {0, 30, 100, 22, "next"}, false));
    std::vector<int> downs;
    box.onKeyDown = [&](int code) { downs.push_back(code); };
    SetFocus(box.handle());
    for (WPARAM key : {WPARAM(VK_TAB), WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
        MSG msg{box.handle(), WM_KEYDOWN, key, 1};
        if (!IsDialogMessageW(window.handle(), &msg))
            DispatchMessageW(&msg);
    }
    EXPECT_EQ(downs, (std::vector<int>{VK_TAB, VK_RETURN, VK_ESCAPE}));
    EXPECT_EQ(GetFocus(), box.handle());
}

TEST_F(EditorControlsTest, PlainEditBoxTakesCharactersAndReportsKeys) {
    EditBox box;
    ASSERT_TRUE(box.create(window, {0, 0, 100, 22}));
    int downs = 0;
    box.onKeyDown = [&](int) { ++downs; };
    SendMessageW(box.handle(), WM_KEYDOWN, 'A', 0x001E0001);
    SendMessageW(box.handle(), WM_CHAR, 'a', 0x001E0001);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(box.text(), "a");
}

TEST_F(EditorControlsTest, EditBoxEnabledStateAndMultilineText) {
    EditBox box;
    ASSERT_TRUE(box.create(window, {0, 0, 216, 98, "", true, false}, {true}));
    EXPECT_FALSE(box.isEnabled());
    box.setEnabled(true);
    EXPECT_TRUE(box.isEnabled());
    box.setText("一\r\n二");
    EXPECT_EQ(box.text(), "一\r\n二");
}

TEST_F(EditorControlsTest, ComboBoxShowsExactNamesOnly) {
    ComboBox combo;
    ASSERT_TRUE(combo.create(window, {0, 0, 100, 200}, {"上滚动", "下滚动", "无事件", ""}));
    EXPECT_EQ(combo.text(), "");
    combo.setText("下滚动");
    EXPECT_EQ(combo.selectedIndex(), 1);
    EXPECT_EQ(combo.text(), "下滚动");
    combo.setText("");
    EXPECT_EQ(combo.selectedIndex(), 3);
    combo.selectIndex(2);
    EXPECT_EQ(combo.text(), "无事件");
    combo.setText("滚动");
    EXPECT_EQ(combo.selectedIndex(), -1);
    EXPECT_EQ(combo.text(), "");
}

TEST_F(EditorControlsTest, ComboBoxNamesCompareWithLetterCase) {
    ComboBox combo;
    ASSERT_TRUE(combo.create(window, {0, 0, 100, 200}, {"F1", "F2"}));
    combo.setText("f2");
    EXPECT_EQ(combo.text(), "");
    combo.setText("F2");
    EXPECT_EQ(combo.text(), "F2");
}

TEST_F(EditorControlsTest, ComboBoxReportsOpeningAndTheUsersChoice) {
    ComboBox combo;
    ASSERT_TRUE(combo.create(window, {0, 0, 100, 200}, {"F1", "F2", "F3"}));
    std::vector<std::string> seen;
    combo.onListOpening = [&] { seen.push_back("opening " + combo.text()); };
    combo.onEntryChosen = [&] { seen.push_back("chosen " + combo.text()); };
    combo.setText("F1");
    combo.selectIndex(2);
    EXPECT_TRUE(seen.empty()); // the program's own selections are not choices
    combo.setText("F1");
    SendMessageW(combo.handle(), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo.handle(), CB_SHOWDROPDOWN, FALSE, 0);
    // The arrow key chooses the next entry while the list is closed.
    SendMessageW(combo.handle(), WM_KEYDOWN, VK_DOWN, 0);
    pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"opening F1", "chosen F2"}));
}

TEST_F(EditorControlsTest, CheckBoxIsToggledBeforeItsClickRuns) {
    CheckBox check;
    ASSERT_TRUE(check.create(window, {0, 0, 100, 22, "无动作"}, true));
    EXPECT_TRUE(check.isChecked());
    std::vector<bool> seen;
    check.onClick = [&] { seen.push_back(check.isChecked()); };
    SendMessageW(check.handle(), BM_CLICK, 0, 0);
    SendMessageW(check.handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    check.setChecked(false);
    EXPECT_FALSE(check.isChecked());
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(EditorControlsTest, WindowTimerTicksUntilStopped) {
    WindowTimer timer;
    int ticks = 0;
    ASSERT_TRUE(timer.start(window.handle(), 10, [&] { ++ticks; }));
    const DWORD until = GetTickCount() + 5000;
    while (ticks < 3 && GetTickCount() < until) {
        pump();
        Sleep(5);
    }
    EXPECT_GE(ticks, 3);
    timer.stop();
    EXPECT_FALSE(timer.isRunning());
    const int stoppedAt = ticks;
    for (int i = 0; i < 10; ++i) {
        Sleep(10);
        pump();
    }
    EXPECT_EQ(ticks, stoppedAt);
}

TEST_F(EditorControlsTest, ListViewRemovesOneRow) {
    ListView list;
    ASSERT_TRUE(list.create(window, {0, 0, 300, 200}, {{"a", 50}, {"b", 50}}));
    for (const char* text : {"0", "1", "2"})
        list.appendRow(text, {});
    list.removeRow(1);
    list.removeRow(5);
    list.removeRow(-1);
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cellText(0, 0), "0");
    EXPECT_EQ(list.cellText(1, 0), "2");
    list.selectRow(1);
    EXPECT_EQ(list.selectedRow(), 1);
}

} // namespace
} // namespace tarnwick::platform
