#include "editor/ui/editor_window.h"

#include "editor/editor_memory.h"
#include "editor/script_step.h"
#include "platform/cursor_position.h"

namespace tarnwick {
namespace {

constexpr const char* caption = "脚本管理";
constexpr unsigned cursorPeriodMs = 200;
constexpr int labelHeight = 22;
constexpr int fieldHeight = 22;
constexpr int listHeight = 220; // a drop-down list's height with its list open

// The right-hand column: one row of caption and field every 28 pixels.
constexpr int captionX = 552;
constexpr int fieldX = 624;
constexpr int firstRowY = 114;
constexpr int rowStep = 28;
constexpr int rowY(int row) {
    return firstRowY + row * rowStep;
}

std::vector<platform::ListColumn> stepColumns() {
    std::vector<platform::ListColumn> columns;
    for (const step::ColumnLook& look : step::stepListColumns)
        columns.push_back({look.title, look.width});
    return columns;
}

std::vector<std::string> hotkeyEntries() {
    std::vector<std::string> entries;
    for (int n = 1; n <= 10; ++n)
        entries.push_back("F" + std::to_string(n));
    return entries;
}

} // namespace

EditorWindow::EditorWindow(EditorWindowParts parts) : parts_(std::move(parts)) {}

bool EditorWindow::create() {
    window_.onCreated = [this] { createControls(); };
    window_.onCloseRequest = [this] {
        close();
        return false; // hidden, not destroyed: the owner destroys it before the next opening
    };
    if (!window_.create({caption, 100, 60, 824, 535}))
        return false;
    notice_ = std::make_unique<platform::NoticeBox>(window_.handle());
    settings_ = std::make_unique<ScriptSettingsEditor>(ScriptSettingsServices{
        nameEdit_, startHotkeyCombo_, loopEdit_, parts_.scripts, parts_.context, parts_.memory,
        *notice_, parts_.files, parts_.paths});
    stepCommands_ = std::make_unique<StepListCommands>(
        StepListServices{stepList_, stepList_, nameEdit_, parts_.files, parts_.paths});
    EditorFields fields{nameEdit_,       startHotkeyCombo_, loopEdit_,     cursorText_,
                        positionEdit_,   mouseActionCombo_, intervalEdit_, wheelActionCombo_,
                        wheelCountEdit_, keyEdit_,          keyCountEdit_, noKeyCheck_,
                        textEdit_,       confirmText_};
    controller_ = std::make_unique<EditorController>(
        EditorServices{fields, stepList_, stepList_, parts_.scripts, parts_.context, parts_.memory,
                       *settings_, parts_.keys, *this, *notice_, parts_.files, parts_.paths});
    connectEvents();
    open_ = true;
    controller_->onOpened();
    cursorTimer_.start(window_.handle(), cursorPeriodMs, [this] {
        const platform::ScreenPosition p = platform::cursorPosition();
        controller_->onCursorSampled({p.x, p.y});
    });
    return true;
}

void EditorWindow::createControls() {
    platform::Window& w = window_;
    hotkeyGroup_.create(w, {8, 6, 520, 52, "热键管理"});
    label(16, 23, 30, "名称");
    nameEdit_.create(w, {48, 23, 120, fieldHeight, "", true, false});
    label(180, 23, 56, "执行挂起");
    startHotkeyCombo_.create(w, {238, 23, 70, listHeight, ""}, hotkeyEntries());
    startHotkeyCombo_.setText("F1");
    label(322, 23, 56, "执行次数");
    loopEdit_.create(w, {380, 23, 60, fieldHeight, "1"});
    label(8, 62, 520, "把鼠标指针移动到指定点击的位置，按Pause捕获鼠标所在位置坐标");
    stepList_.create(w, {8, 88, 520, 388, ""}, stepColumns());

    positionGroup_.create(w, {540, 6, 270, 80, "鼠标坐标位置"});
    label(captionX, 26, 70, "当前坐标：");
    cursorLabel_.create(w, {fieldX, 26, 170, labelHeight, ""});
    label(captionX, 54, 110, "按Pause捕获坐标");
    label(672, 54, 110, "按F9捕获坐标");

    clickGroup_.create(w, {540, 92, 270, 384, "点击事件"});
    label(captionX, rowY(0), 70, "鼠标坐标：");
    positionEdit_.create(w, {fieldX, rowY(0), 170, fieldHeight, ""});
    label(captionX, rowY(1), 70, "脚本事件：");
    mouseActionCombo_.create(w, {fieldX, rowY(1), 170, listHeight, ""}, step::mouseActionEntries());
    mouseActionCombo_.setText(step::mouseMove);
    label(captionX, rowY(2), 70, "间隔时间：");
    intervalEdit_.create(w, {fieldX, rowY(2), 70, fieldHeight, "600"});
    label(700, rowY(2), 100, "1000毫秒 = 1秒");
    label(captionX, rowY(3), 70, "滚轮事件：");
    wheelActionCombo_.create(
        w, {fieldX, rowY(3), 170, listHeight, ""},
        std::vector<std::string>(step::wheelActionNames.begin(), step::wheelActionNames.end()));
    wheelActionCombo_.setText("无事件");
    label(captionX, rowY(4), 70, "滚动次数：");
    wheelCountEdit_.create(w, {fieldX, rowY(4), 70, fieldHeight, "0"});
    label(captionX, rowY(5), 70, "键盘事件：");
    keyEdit_.create(w, {fieldX, rowY(5), 70, fieldHeight, "无事件", true, false}, {false, true});
    noKeyCheck_.create(w, {700, rowY(5), 90, fieldHeight, "无动作"}, true);
    label(captionX, rowY(6), 70, "次数：");
    keyCountEdit_.create(w, {fieldX, rowY(6), 70, fieldHeight, "1"});
    label(captionX, rowY(7), 70, "输入内容：");
    textEdit_.create(w, {578, rowY(7) + 22, 216, 98, ""}, {true, false});
    confirmButton_.create(w, {fieldX, 440, 100, 30, confirmSaveCaption});
    statusBar_.create(w);
}

void EditorWindow::connectEvents() {
    startHotkeyCombo_.onListOpening = [this] { settings_->onHotkeyListOpening(); };
    startHotkeyCombo_.onEntryChosen = [this] { settings_->onHotkeyChosen(); };
    loopEdit_.onTextChanged = [this] { settings_->onLoopChanged(); };
    stepList_.onDoubleClick = [this](int) { controller_->onStepDoubleClicked(); };
    stepList_.onFocusedRowChanged = [this] { controller_->onFocusedStepChanged(); };
    stepList_.onRightClick = [this](int) { controller_->onStepRightClicked(); };
    keyEdit_.onKeyDown = [this](int code) { controller_->onKeyDown(code); };
    keyEdit_.onKeyUp = [this](int code) { controller_->onKeyUp(code); };
    noKeyCheck_.onClick = [this] { controller_->onNoKeyClicked(); };
    confirmButton_.onClick = [this] { controller_->onConfirmClicked(); };
    stepMenu_.addItem("删除", [this] { stepCommands_->deleteStep(); });
    stepMenu_.addItem("清空", [this] { stepCommands_->clearSteps(); });
    stepMenu_.addItem("向上移动", [this] { stepCommands_->moveStepUp(); });
    stepMenu_.addItem("向下移动", [this] { stepCommands_->moveStepDown(); });
}

void EditorWindow::label(int x, int y, int width, const char* text) {
    labels_.emplace_back().create(window_, {x, y, width, labelHeight, text});
}

void EditorWindow::close() {
    if (!open_)
        return;
    open_ = false;
    window_.hide();
    controller_->onClosing();
}

void EditorWindow::stopCursorTimer() {
    cursorTimer_.stop();
}

void EditorWindow::showMainWindow() {
    if (parts_.showMainWindow)
        parts_.showMainWindow();
}

void EditorWindow::popUpStepMenu() {
    stepMenu_.popUpAtCursor(window_.handle(), 0, 0);
}

} // namespace tarnwick
