// Adding and editing a script as a user does it: the name typed into the input box, steps
// captured with F9 and Pause, a step changed and moved, the start hotkey and loop count set,
// the editor closed; then the files on disk, the script opened again, enabled and played into
// the target window.
#include "driver/buttons.h"
#include "driver/editor_settings_file.h"
#include "driver/editor_typing.h"
#include "driver/editor_window.h"
#include "driver/files.h"
#include "driver/keyboard.h"
#include "driver/list_file_bytes.h"
#include "driver/main_window.h"
#include "driver/message_box.h"
#include "driver/mouse.h"
#include "driver/play_commands.h"
#include "driver/popup_menu.h"
#include "driver/send_message.h"
#include "driver/target_window.h"
#include "driver/tarnwick_run.h"
#include "driver/tray.h"
#include "driver/window_finding.h"
#include "driver/window_geometry.h"
#include "platform/win32.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Optional;

constexpr wchar_t nameBoxTitle[] = L"脚本名称";
constexpr wchar_t noticeTitle[] = L"提示";
// How long the program gets to show that something did not happen.
constexpr milliseconds quietTime = 400ms;

enum StepMenuItem { deleteItem = 0, clearItem = 1, moveUpItem = 2, moveDownItem = 3 };

// Below the editor wherever it opens (centred for a new script, at its own place otherwise).
const Rect targetPlace{100, 820, 900, 180};

ListRow capturedStep(Point at, const std::wstring& interval) {
    return {std::to_wstring(at.x) + L"," + std::to_wstring(at.y),
            L"鼠标移动",
            interval,
            L"无事件",
            L"0",
            L"无内容",
            L"无事件",
            L"1"};
}

std::set<std::filesystem::path> entriesOf(const std::filesystem::path& directory) {
    std::set<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.insert(entry.path().filename());
    return names;
}

std::wstring comboEntryCount(HWND combo) {
    return std::to_wstring(sendWithTimeout(combo, CB_GETCOUNT, 0, 0).value_or(-1));
}

bool isChecked(HWND checkBox) {
    return sendWithTimeout(checkBox, BM_GETCHECK, 0, 0).value_or(0) == BST_CHECKED;
}

// What the run sent the target: everything from its first click on, since the steps before
// the click only move the cursor. A key-up that arrives earlier is the user's own: wine hands
// the release of a key pressed elsewhere to the window that comes to the front when the run
// hides the main window.
std::vector<TargetEvent> playedEvents(const TargetWindow& target) {
    const std::vector<TargetEvent> events = target.events();
    auto firstClick = std::find_if(events.begin(), events.end(), [](const TargetEvent& event) {
        return event.kind == "lbuttondown";
    });
    return {firstClick, events.end()};
}

class EditorFlowTest : public ::testing::Test {
  protected:
    TarnwickRun run;
    Process* process = nullptr;
    MainWindow main{nullptr};

    void startProgram() {
        process = &run.start();
        main = waitForShownMainWindow(*process);
        ASSERT_TRUE(main.handle()) << "no main window shown";
    }

    std::filesystem::path scriptFolder(const std::wstring& name) const {
        return run.dataDirectory() / name;
    }
    std::filesystem::path stepFile(const std::wstring& name) const {
        return scriptFolder(name) / (name + L".dat");
    }
    std::filesystem::path settingsFile(const std::wstring& name) const {
        return scriptFolder(name) / (name + L".ini");
    }

    // "添加脚本", then the name typed into the input box and taken with Enter.
    void typeNewScriptName(const std::wstring& name) {
        clickButton(main.button(L"添加脚本"));
        HWND box = waitForTopWindow(process->id(), nameBoxTitle);
        ASSERT_TRUE(box) << "no input box";
        ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(box) != FALSE; }));
        HWND prompt = findDescendant(box, L"Static", L"请输入脚本名称");
        EXPECT_TRUE(prompt) << "the input box lacks its prompt";
        HWND edit = descendantsOfClass(box, L"Edit").at(0);
        click(screenCentre(edit));
        settleInput();
        typeCharacters(name);
        ASSERT_TRUE(waitUntil([&] { return windowText(edit) == name; }))
            << "typed " << testing::PrintToString(windowText(edit));
        pressKey(VK_RETURN);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }))
            << "the input box stays open";
    }

    EditorWindow addScript(const std::wstring& name) {
        typeNewScriptName(name);
        EditorWindow editor = waitForEditorWindow(*process);
        EXPECT_TRUE(editor.handle()) << "no editor";
        return editor;
    }

    // Points the mouse and waits until the editor's cursor label shows the point, as a user
    // watches it before pressing a capture key.
    static void pointAt(const EditorWindow& editor, Point at) {
        moveCursor(at);
        const std::wstring shown = std::to_wstring(at.x) + L"," + std::to_wstring(at.y);
        ASSERT_TRUE(waitUntil([&] { return windowText(editor.cursorLabel()) == shown; }))
            << "the cursor label never showed " << testing::PrintToString(shown);
        settleInput();
    }

    static void captureAt(const EditorWindow& editor, Point at, unsigned short key) {
        ASSERT_NO_FATAL_FAILURE(pointAt(editor, at));
        pressKey(key);
    }

    // A key held down as a user holds it: the keyboard repeats its key-down until release.
    static void holdKey(unsigned short key, milliseconds hold) {
        const auto until = std::chrono::steady_clock::now() + hold;
        while (std::chrono::steady_clock::now() < until) {
            keyDown(key);
            std::this_thread::sleep_for(30ms);
        }
        keyUp(key);
    }

    static void chooseStepMenuItem(const EditorWindow& editor, int row, StepMenuItem item) {
        click(editor.stepTable().rowCentre(row), MouseButton::right);
        HWND menu = waitForPopupMenu();
        ASSERT_TRUE(menu) << "no step menu";
        chooseMenuItem(menu, item);
        ASSERT_TRUE(waitUntil([] { return !isPopupMenuOpen(); })) << "step menu stays open";
    }

    void answerNotice(const std::wstring& text) {
        HWND box = waitForMessageBox(process->id(), noticeTitle);
        ASSERT_TRUE(box) << "no notice " << testing::PrintToString(text);
        EXPECT_EQ(messageBoxText(box), text);
        pressOk(box);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); })) << "the notice stays";
    }

    void closeEditor(const EditorWindow& editor) {
        PostMessageW(editor.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(waitUntil([&] { return !editor.isVisible(); })) << "the editor stays open";
        ASSERT_TRUE(waitUntil([&] { return main.isVisible(); })) << "main window not shown again";
    }
};

TEST_F(EditorFlowTest, NewScriptOpensTheEditorWithItsStartFields) {
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const std::wstring name = L"abc";
    EditorWindow editor = addScript(name);
    ASSERT_TRUE(editor.handle());
    EXPECT_FALSE(main.isVisible()) << "the main window stays while the editor is open";

    const Rect place = screenRect(editor.handle());
    EXPECT_EQ((Point{place.width, place.height}), (Point{824, 535}));

    struct Field {
        const char* what;
        HWND control;
        std::wstring text;
        bool enabled;
    };
    const Field fields[] = {
        {"name", editor.nameEdit(), name, false},
        {"start hotkey", editor.startHotkeyCombo(), L"F1", true},
        {"loop count", editor.loopEdit(), L"1", true},
        {"position", editor.positionEdit(), L"", true},
        {"mouse action", editor.mouseActionCombo(), L"鼠标移动", true},
        {"interval", editor.intervalEdit(), L"600", true},
        {"wheel action", editor.wheelActionCombo(), L"无事件", true},
        {"wheel count", editor.wheelCountEdit(), L"0", true},
        {"key", editor.keyEdit(), L"无事件", false},
        {"key count", editor.keyCountEdit(), L"1", true},
        {"text", editor.textEdit(), L"", true},
        {"confirm", editor.confirmButton(), L"确定保存", true},
        {"no key", editor.noKeyCheck(), L"无动作", true},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.what);
        ASSERT_TRUE(field.control) << "not found";
        EXPECT_EQ(windowText(field.control), field.text);
        EXPECT_EQ(isEnabled(field.control), field.enabled);
    }
    EXPECT_TRUE(isChecked(editor.noKeyCheck()));
    EXPECT_EQ(comboEntryCount(editor.startHotkeyCombo()), L"10");
    EXPECT_EQ(comboEntryCount(editor.mouseActionCombo()), L"10");
    EXPECT_EQ(comboEntryCount(editor.wheelActionCombo()), L"3");
    const Rect textPlace = screenRect(editor.textEdit());
    EXPECT_EQ((Point{textPlace.width, textPlace.height}), (Point{216, 98}));

    for (const wchar_t* caption : {L"按Pause捕获坐标", L"按F9捕获坐标", L"1000毫秒 = 1秒",
                                   L"把鼠标指针移动到指定点击的位置，按Pause捕获鼠标所在位置坐标"})
        EXPECT_TRUE(editor.label(caption)) << testing::PrintToString(std::wstring(caption));
    for (const wchar_t* group : {L"热键管理", L"点击事件", L"鼠标坐标位置"})
        EXPECT_TRUE(editor.button(group)) << testing::PrintToString(std::wstring(group));

    const auto column = [](std::wstring title, int width) {
        return ::testing::AllOf(::testing::Field(&ListColumn::title, title),
                                ::testing::Field(&ListColumn::width, width));
    };
    RemoteListView steps = editor.stepTable();
    EXPECT_EQ(steps.rowCount(), 0);
    EXPECT_THAT(steps.columns(), ElementsAre(column(L"坐标位置", 70), column(L"脚本事件", 60),
                                             column(L"间隔时间", 60), column(L"滚轮事件", 60),
                                             column(L"滚动次数", 70), column(L"输入内容", 60),
                                             column(L"键盘事件", 60), column(L"按下次数", 0)));

    // Adding stored the row, the catalogue and the settings, but no steps yet.
    EXPECT_THAT(main.scriptTable().rows(),
                ElementsAre(ElementsAre(L"0", name, L"F1", L"1", L"停用", L"×", L"", L"×")));
    EXPECT_THAT(readFileBytes(run.catalogueFile()),
                Optional(listFileBytes({{L"0", name, L"F1", L"1", L"停用", L"×", L"", L"×"}})));
    EXPECT_THAT(profileValues(readFileBytes(settingsFile(name)).value_or("")),
                ElementsAre(ProfileValue{L"启动热键", L"热键", L"F1"},
                            ProfileValue{L"停止热键", L"热键", L"F2"},
                            ProfileValue{L"直接插入", L"是否", L"否"},
                            ProfileValue{L"无限循环", L"循环", L"1"}));
    EXPECT_FALSE(std::filesystem::exists(stepFile(name)));

    // The key box follows "无动作" both ways.
    click(screenCentre(editor.noKeyCheck()));
    EXPECT_TRUE(waitUntil([&] { return isEnabled(editor.keyEdit()); }));
    EXPECT_EQ(windowText(editor.keyEdit()), L"");
    click(screenCentre(editor.noKeyCheck()));
    EXPECT_TRUE(waitUntil([&] { return !isEnabled(editor.keyEdit()); }));
    EXPECT_EQ(windowText(editor.keyEdit()), L"无事件");
    EXPECT_TRUE(isChecked(editor.noKeyCheck()));
}

TEST_F(EditorFlowTest, RefusedNamesLeaveNoFolderAndNoRow) {
    struct Case {
        const char* what;
        std::wstring typed;
        std::wstring notice;
    };
    const Case cases[] = {
        {"a name taken already", L"abc", L"已存在同命名"},
        {"the same name in capitals, which names the same folder", L"ABC", L"已存在同命名"},
        {"an empty name", L"", L"请输入名称"},
        {"a colon, which no folder name holds", L"a:b", L"名称不能用作文件夹名,请更换!"},
        {"a device name", L"CON", L"名称不能用作文件夹名,请更换!"},
        {"a device name with an extension", L"nul.txt", L"名称不能用作文件夹名,请更换!"},
        {"a trailing full stop", L"ab.", L"名称不能用作文件夹名,请更换!"},
        {"a way out of the data directory", L"..\\x", L"名称不能用作文件夹名,请更换!"},
    };
    // An existing script with its own settings and steps, which no refused name may touch.
    const ListRow existing{L"", L"abc", L"F5", L"3", L"停用", L"×", L"", L"×"};
    const std::string catalogue = listFileBytes({existing});
    const std::string settings = gbk(L"[启动热键]\r\n热键=F5\r\n[停止热键]\r\n热键=F2\r\n"
                                     L"[直接插入]\r\n是否=否\r\n[无限循环]\r\n循环=3\r\n");
    const std::string steps = listFileBytes({capturedStep({10, 20}, L"600")});
    writeFileBytes(run.catalogueFile(), catalogue);
    writeFileBytes(settingsFile(L"abc"), settings);
    writeFileBytes(stepFile(L"abc"), steps);
    ASSERT_NO_FATAL_FAILURE(startProgram());

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        typeNewScriptName(c.typed);
        answerNotice(c.notice);
        EXPECT_FALSE(findTopWindow(process->id(), editorCaption)) << "the editor opened";
        EXPECT_TRUE(main.isVisible());
        EXPECT_THAT(main.scriptTable().rows(), ElementsAre(ElementsAreArray(existing)));
        EXPECT_THAT(entriesOf(run.dataDirectory()), ElementsAre(L"abc", L"任务列表.dat"));
        EXPECT_THAT(entriesOf(run.directory()), ElementsAre(L"Tarnwick.exe", L"data", L"img"));
        EXPECT_THAT(readFileBytes(run.catalogueFile()), Optional(catalogue));
        EXPECT_THAT(readFileBytes(settingsFile(L"abc")), Optional(settings));
        EXPECT_THAT(readFileBytes(stepFile(L"abc")), Optional(steps));
    }

    // A cancelled input box changes nothing and says nothing.
    clickButton(main.button(L"添加脚本"));
    HWND box = waitForTopWindow(process->id(), nameBoxTitle);
    ASSERT_TRUE(box);
    clickButton(GetDlgItem(box, IDCANCEL));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    EXPECT_FALSE(waitForMessageBox(process->id(), noticeTitle, quietTime));
    EXPECT_THAT(main.scriptTable().rows(), ElementsAre(ElementsAreArray(existing)));
}

TEST_F(EditorFlowTest, CapturedChangedAndMovedStepsAreSavedReopenedAndPlayed) {
    const std::wstring name = L"登录脚本";
    TargetWindow target(L"e2e target", targetPlace);
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const Point first{200, 880}, second{400, 900}, third{600, 920}, moved{450, 950};

    EditorWindow editor = addScript(name);
    ASSERT_TRUE(editor.handle());
    const Rect editorPlace = screenRect(editor.handle());
    ASSERT_LT(editorPlace.y + editorPlace.height, targetPlace.y) << "the editor hides the target";
    RemoteListView steps = editor.stepTable();

    // Every captured step takes the interval box as it is then.
    retypeField(editor.intervalEdit(), L"100");
    ASSERT_EQ(windowText(editor.intervalEdit()), L"100");

    // Held down, F9 adds one step, not one per repeated key-down.
    ASSERT_NO_FATAL_FAILURE(pointAt(editor, first));
    holdKey(VK_F9, 600ms);
    ASSERT_TRUE(waitUntil([&] { return steps.rowCount() >= 1; })) << "F9 captured nothing";
    std::this_thread::sleep_for(quietTime);
    EXPECT_EQ(steps.rowCount(), 1);
    EXPECT_EQ(windowText(editor.positionEdit()), L"200,880");

    captureAt(editor, second, VK_PAUSE);
    ASSERT_TRUE(waitUntil([&] { return steps.rowCount() == 2; })) << "Pause captured nothing";
    captureAt(editor, third, VK_F9);
    ASSERT_TRUE(waitUntil([&] { return steps.rowCount() == 3; }));
    const ListRow step0 = capturedStep(first, L"100"), step2 = capturedStep(third, L"100");
    EXPECT_THAT(steps.rows(),
                ElementsAre(ElementsAreArray(step0), ElementsAreArray(capturedStep(second, L"100")),
                            ElementsAreArray(step2)));
    EXPECT_FALSE(std::filesystem::exists(stepFile(name))) << "capture wrote the step file";

    // Change the second step: a left click, a text with the separators a list cell may hold,
    // the key F5 pressed twice, and a new position captured while the key box has the focus.
    doubleClick(steps.rowCentre(1));
    ASSERT_TRUE(waitUntil([&] { return editor.button(L"确定修改") != nullptr; }))
        << "double-click did not load the step";
    EXPECT_EQ(windowText(editor.positionEdit()), L"400,900");
    ASSERT_TRUE(chooseComboEntry(editor.mouseActionCombo(), 1));
    EXPECT_EQ(windowText(editor.mouseActionCombo()), L"左键单击");
    const std::wstring text = L"运行 a|b,c";
    retypeField(editor.textEdit(), text);
    click(screenCentre(editor.noKeyCheck()));
    ASSERT_TRUE(waitUntil([&] { return isEnabled(editor.keyEdit()); }));
    retypeField(editor.keyCountEdit(), L"2");
    click(screenCentre(editor.keyEdit()));
    settleInput();
    pressKey(VK_F5);
    ASSERT_TRUE(waitUntil([&] { return windowText(editor.keyEdit()) == L"116"; }))
        << "key box shows " << testing::PrintToString(windowText(editor.keyEdit()));
    captureAt(editor, moved, VK_PAUSE);
    ASSERT_TRUE(waitUntil([&] { return windowText(editor.positionEdit()) == L"450,950"; }));
    std::this_thread::sleep_for(quietTime);
    EXPECT_EQ(steps.rowCount(), 3) << "a capture while changing appended a step";
    EXPECT_EQ(windowText(editor.keyEdit()), L"116") << "Pause changed the key box";

    clickButton(editor.button(L"确定修改"));
    answerNotice(L"修改成功!");
    EXPECT_TRUE(editor.button(L"确定保存"));
    const ListRow step1{L"450,950", L"左键单击", L"100", L"无事件", L"0", text, L"116", L"2"};
    EXPECT_THAT(steps.rows(), ElementsAre(ElementsAreArray(step0), ElementsAreArray(step1),
                                          ElementsAreArray(step2)));

    clickButton(editor.button(L"确定保存"));
    const std::string savedInOrder = listFileBytes({step0, step1, step2});
    EXPECT_TRUE(waitUntil([&] { return readFileBytes(stepFile(name)) == savedInOrder; }))
        << "确定保存 did not write the steps";

    // Third step up, then the first one down: the list reads third, first, second.
    chooseStepMenuItem(editor, 2, moveUpItem);
    ASSERT_TRUE(waitUntil([&] { return steps.row(1) == step2; })) << "向上移动 did nothing";
    EXPECT_EQ(steps.selectedRow(), 2) << "the selection follows the moved step";
    chooseStepMenuItem(editor, 0, moveDownItem);
    ASSERT_TRUE(waitUntil([&] { return steps.row(1) == step0; })) << "向下移动 did nothing";
    EXPECT_THAT(steps.rows(), ElementsAre(ElementsAreArray(step2), ElementsAreArray(step0),
                                          ElementsAreArray(step1)));
    EXPECT_THAT(readFileBytes(stepFile(name)), Optional(savedInOrder)) << "moving saved";

    // The start hotkey and the loop count are stored at once.
    ASSERT_TRUE(chooseComboEntry(editor.startHotkeyCombo(), 2));
    EXPECT_EQ(windowText(editor.startHotkeyCombo()), L"F3");
    EXPECT_TRUE(
        waitUntil([&] { return main.scriptTable().cellText(0, tableColumn::hotkey) == L"F3"; }));
    retypeField(editor.loopEdit(), L"2");
    EXPECT_TRUE(
        waitUntil([&] { return main.scriptTable().cellText(0, tableColumn::loops) == L"2"; }));
    const ListRow scriptRow{L"0", name, L"F3", L"2", L"停用", L"×", L"", L"×"};
    const std::vector<ProfileValue> settings{{L"启动热键", L"热键", L"F3"},
                                             {L"停止热键", L"热键", L"F2"},
                                             {L"直接插入", L"是否", L"否"},
                                             {L"无限循环", L"循环", L"2"}};
    const auto storedNow = [&] {
        return readFileBytes(run.catalogueFile()).value_or("") == listFileBytes({scriptRow}) &&
               profileValues(readFileBytes(settingsFile(name)).value_or("")) == settings;
    };
    EXPECT_TRUE(waitUntil(storedNow)) << "the files wait for the editor to close";

    closeEditor(editor);
    EXPECT_THAT(main.scriptTable().rows(), ElementsAre(ElementsAreArray(scriptRow)));
    EXPECT_THAT(readFileBytes(stepFile(name)), Optional(listFileBytes({step2, step0, step1})));
    EXPECT_TRUE(storedNow());

    // Opened again, the editor shows what was saved.
    doubleClick(main.scriptTable().rowCentre(0));
    EditorWindow reopened = waitForEditorWindow(*process);
    ASSERT_TRUE(reopened.handle()) << "double-click on the row opened no editor";
    EXPECT_EQ(windowText(reopened.nameEdit()), name);
    EXPECT_EQ(windowText(reopened.startHotkeyCombo()), L"F3");
    EXPECT_EQ(windowText(reopened.loopEdit()), L"2");
    EXPECT_THAT(
        reopened.stepTable().rows(),
        ElementsAre(ElementsAreArray(step2), ElementsAreArray(step0), ElementsAreArray(step1)));
    closeEditor(reopened);
    EXPECT_THAT(readFileBytes(stepFile(name)), Optional(listFileBytes({step2, step0, step1})));

    // Enabled, F3 plays it twice into the target: the click, the text, two presses of F5.
    ASSERT_TRUE(enableScript(main, 0));
    // Pause and F9 of the editor hold the first two bindings.
    EXPECT_EQ(main.scriptTable().cellText(0, tableColumn::binding), L"1000003");
    moveCursor(first);
    pressHotkey(VK_F3);
    ASSERT_TRUE(waitUntil([&] { return !main.isVisible(); })) << "F3 started no run";

    std::vector<std::string> expectedKinds;
    for (int pass = 0; pass < 2; ++pass) {
        expectedKinds.insert(expectedKinds.end(), {"lbuttondown", "lbuttonup"});
        expectedKinds.insert(expectedKinds.end(), text.size() + 1, "char");
        expectedKinds.insert(expectedKinds.end(), {"keydown", "keyup", "keydown", "keyup"});
    }
    ASSERT_TRUE(waitUntil([&] { return main.isVisible(); }, 10s)) << "the run did not end";
    std::vector<TargetEvent> played;
    waitUntil([&] { return (played = playedEvents(target)).size() >= expectedKinds.size(); });
    std::vector<std::string> kinds;
    for (const TargetEvent& event : played)
        kinds.push_back(event.kind);
    ASSERT_THAT(kinds, ElementsAreArray(expectedKinds)) << testing::PrintToString(played);

    POINT client{moved.x, moved.y};
    ScreenToClient(target.handle(), &client);
    const size_t passLength = expectedKinds.size() / 2;
    for (size_t pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "first pass" : "second pass");
        const auto begin = played.begin() + static_cast<ptrdiff_t>(pass * passLength);
        EXPECT_EQ(begin->position, (Point{client.x, client.y}));
        std::wstring typed;
        for (auto event = begin + 2; event != begin + 2 + static_cast<ptrdiff_t>(text.size());
             ++event)
            typed += static_cast<wchar_t>(event->wParam);
        EXPECT_EQ(typed, text);
        EXPECT_EQ((begin + 2 + static_cast<ptrdiff_t>(text.size()))->wParam, 0u);
        for (auto key = begin + passLength - 4; key != begin + passLength; ++key)
            EXPECT_EQ(key->wParam, static_cast<uint64_t>(VK_F5));
    }
    EXPECT_TRUE(waitForTrayIconCount(0)) << "the run's tray icon stays";

    // An enabled script cannot be edited.
    doubleClick(main.scriptTable().rowCentre(0));
    EXPECT_FALSE(waitForEditorWindow(*process, quietTime).handle());
}

TEST_F(EditorFlowTest, ExistingScriptOpensWithItsStepsAndItsMenuSavesAtOnce) {
    // The hidden key count and a text with separators must travel with their steps.
    const ListRow a{L"10,20", L"左键双击", L"250", L"下滚动", L"3", L"x|y,z", L"65", L"7"};
    const ListRow b{L"-30,40", L"右键单击", L"600", L"无事件", L"0", L"无内容", L"无事件", L"1"};
    const ListRow c{L"50,60", L"", L"0", L"上滚动", L"1", L"运行", L"13", L"2"};
    const std::vector<ListRow> scripts{
        {L"", L"甲", L"F2", L"1", L"停用", L"×", L"", L"×"},
        {L"", L"乙", L"F1", L"4", L"停用", L"×", L"", L"×"},
    };
    writeFileBytes(run.catalogueFile(), listFileBytes(scripts));
    writeFileBytes(settingsFile(L"乙"), gbk(L"[启动热键]\r\n热键=F1\r\n[停止热键]\r\n热键=F2\r\n"
                                            L"[直接插入]\r\n是否=否\r\n[无限循环]\r\n循环=4\r\n"));
    writeFileBytes(stepFile(L"乙"), listFileBytes({a, b, c}));
    ASSERT_NO_FATAL_FAILURE(startProgram());

    doubleClick(main.scriptTable().rowCentre(1));
    EditorWindow editor = waitForEditorWindow(*process);
    ASSERT_TRUE(editor.handle()) << "double-click on the row opened no editor";
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(windowText(editor.nameEdit()), L"乙");
    EXPECT_EQ(windowText(editor.startHotkeyCombo()), L"F1");
    EXPECT_EQ(windowText(editor.loopEdit()), L"4");
    RemoteListView steps = editor.stepTable();
    ASSERT_THAT(steps.rows(),
                ElementsAre(ElementsAreArray(a), ElementsAreArray(b), ElementsAreArray(c)));

    // Another script holds F2: the choice is refused and the box goes back to F1.
    ASSERT_TRUE(chooseComboEntry(editor.startHotkeyCombo(), 1));
    answerNotice(L"热键已有相同请更换!");
    EXPECT_EQ(windowText(editor.startHotkeyCombo()), L"F1");
    EXPECT_EQ(main.scriptTable().cellText(1, tableColumn::hotkey), L"F1");
    EXPECT_THAT(profileValues(readFileBytes(settingsFile(L"乙")).value_or("")),
                ::testing::Contains(ProfileValue{L"启动热键", L"热键", L"F1"}));

    // A step loaded for changing is dropped when another row is chosen: F9 appends again,
    // with the loaded fields and the new position.
    doubleClick(steps.rowCentre(0));
    ASSERT_TRUE(waitUntil([&] { return editor.button(L"确定修改") != nullptr; }));
    EXPECT_EQ(windowText(editor.mouseActionCombo()), L"左键双击");
    EXPECT_EQ(windowText(editor.wheelActionCombo()), L"下滚动");
    EXPECT_EQ(windowText(editor.keyEdit()), L"65");
    EXPECT_TRUE(isEnabled(editor.keyEdit()));
    EXPECT_FALSE(isChecked(editor.noKeyCheck()));
    EXPECT_EQ(windowText(editor.keyCountEdit()), L"7");
    click(steps.rowCentre(2));
    ASSERT_TRUE(waitUntil([&] { return editor.button(L"确定保存") != nullptr; }))
        << "choosing another row kept the change";
    const Point at{300, 900};
    captureAt(editor, at, VK_F9);
    ASSERT_TRUE(waitUntil([&] { return steps.rowCount() == 4; })) << "F9 appended nothing";
    ListRow appended = a;
    appended[0] = L"300,900";
    EXPECT_THAT(steps.row(3), ElementsAreArray(appended));

    // "删除" and "清空" write the step file at once.
    chooseStepMenuItem(editor, 0, deleteItem);
    EXPECT_TRUE(waitUntil([&] {
        return readFileBytes(stepFile(L"乙")) == listFileBytes({b, c, appended});
    })) << "删除 did not save";
    // Another row: a second right click on the same spot this soon is a double click.
    chooseStepMenuItem(editor, 1, clearItem);
    EXPECT_TRUE(waitUntil([&] { return readFileBytes(stepFile(L"乙")) == std::string(); }))
        << "清空 did not save an empty list";
    EXPECT_EQ(steps.rowCount(), 0);

    closeEditor(editor);
    EXPECT_THAT(readFileBytes(stepFile(L"乙")), Optional(std::string()));
    EXPECT_THAT(readFileBytes(run.catalogueFile()), Optional(listFileBytes(scripts)));
}

} // namespace
} // namespace e2e
