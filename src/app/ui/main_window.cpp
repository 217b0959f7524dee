#include "app/ui/main_window.h"

#include "app/ui/process_parts.h"
#include "platform/local_clock.h"
#include "platform/process.h"
#include "schedule/ui/set_time_window.h"
#include "storage/script_table.h"
#include "support/ui/skin_startup.h"

namespace tarnwick {
namespace {

constexpr const char* caption = "Tarnwick1.0";
constexpr const char* instanceEventName = "myappname";
constexpr int groupX = 0;
constexpr int groupY = 51;

class NamedEventMark : public InstanceMark {
  public:
    bool otherInstanceRuns() override { return platform::instanceEventExists(instanceEventName); }
    void markThisInstance() override { platform::createInstanceEvent(instanceEventName); }
};

std::vector<platform::ListColumn> scriptColumns() {
    std::vector<platform::ListColumn> columns;
    for (const ColumnLayout& layout : scriptTableLayout)
        columns.push_back(
            {layout.title, layout.width,
             layout.centred ? platform::ColumnAlignment::centre : platform::ColumnAlignment::left});
    return columns;
}

} // namespace

MainWindow::MainWindow(ProcessParts& process)
    : process_(process), instance_(std::make_unique<NamedEventMark>()) {}

bool MainWindow::create() {
    window_.onCloseRequest = [this] { return controller_->onCloseRequested(); };
    window_.onCreated = [this] {
        createControls();
        createControllers();
        connectEvents();
        controller_->onCreated();
    };
    if (!window_.create({caption, 50, 50, 636, 340}))
        return false;
    window_.show();
    return true;
}

void MainWindow::createControls() {
    startButton_.create(window_, {8, 10, 72, 30, "启动"});
    disableButton_.create(window_, {98, 10, 72, 30, "停用", true, false});
    addButton_.create(window_, {188, 10, 72, 30, "添加脚本"});
    deleteButton_.create(window_, {278, 10, 72, 30, "删除脚本"});
    helpButton_.create(window_, {368, 10, 72, 30, "使用说明"});
    scriptGroup_.create(window_, {groupX, groupY, 632, 260, "脚本区"});
    scriptList_.create(window_, {groupX + 8, groupY + 18, 616, 238, ""}, scriptColumns());
}

void MainWindow::createControllers() {
    ProcessParts& p = process_;
    controller_ = std::make_unique<MainWindowController>(MainWindowServices{
        *this, *instance_, p.files, p.paths, scriptList_, [this] { attachSkin(window_.handle()); },
        [this] { startScheduleWorker(); }});
    prompt_ = std::make_unique<platform::InputBox>(window_.handle());
    notice_ = std::make_unique<platform::NoticeBox>(window_.handle());
    editor_ = std::make_unique<EditorLauncher>(
        EditorWindowParts{scriptList_, p.editContext, p.editorMemory, p.captureKeys, p.files,
                          p.paths, [this] { showWindow(); }},
        window_.handle());
    listCommands_ = std::make_unique<ScriptListCommands>(
        ScriptListServices{scriptList_, scriptList_, *this,
                           [this] { listMenu_.popUpAtCursor(window_.handle(), 3, 3); }, *prompt_,
                           *notice_, *editor_, p.editContext, p.files, p.paths});
    runner_ = std::make_unique<ScriptRunner>(ScriptRunner::Parts{
        scriptList_, p.playbackList, p.files, p.paths, p.runFlags, p.input, p.waiter, *this});
    scheduleCommands_ = std::make_unique<ScheduleCommands>(
        ScheduleCommands::Parts{scriptList_, p.scheduleSlots, *notice_, p.paths, p.files});
    scheduleCheck_ = std::make_unique<ScheduleCheck>(
        ScheduleCheck::Parts{p.scheduleSlots, scriptList_, p.runFlags, p.worker, platform::localNow,
                             [this](const std::string& name) { runner_->playScheduled(name); }});
    enableCommands_ = std::make_unique<EnableCommands>(EnableCommandsServices{
        p.watcher, p.runFlags, scriptList_, scriptList_, startButtonState_, disableButtonState_,
        hotkeyNotice_, [this](int32_t identifier) { runner_->playFromHotkey(identifier); }});
}

void MainWindow::connectEvents() {
    startButton_.onClick = [this] { enableCommands_->onStartClicked(); };
    disableButton_.onClick = [this] { enableCommands_->onDisableClicked(); };
    scriptList_.onFocusedRowChanged = [this] { enableCommands_->onFocusedRowChanged(); };
    addButton_.onClick = [this] { listCommands_->addScript(); };
    deleteButton_.onClick = [this] { listCommands_->deleteScript(); };
    scriptList_.onDoubleClick = [this](int) { listCommands_->openForEditing(); };
    scriptList_.onRightClick = [this](int) { listCommands_->showListMenu(); };

    listMenu_.addItem("设置定时", [this] { chooseRunTime(); });
    listMenu_.addItem("开启定时", [this] { scheduleCommands_->arm(scriptList_.selectedRow()); });
    listMenu_.addItem("关闭定时", [this] { scheduleCommands_->disarm(scriptList_.selectedRow()); });
    listMenu_.addItem("清空全部", [this] { listCommands_->clearAll(); });

    tray_.onEvent = [this](int kind) {
        controller_->onTrayEvent(static_cast<TrayEventKind>(kind));
    };
    trayMenu_.addItem("显示窗口", [this] { controller_->onShowWindowChosen(); });
    trayMenu_.addItem("关于软件", {});
    trayMenu_.addItem("退出软件", [this] { controller_->onExitChosen(); });
}

void MainWindow::startScheduleWorker() {
    process_.worker.start([this](uint32_t parameter) { scheduleCheck_->checkSchedule(parameter); },
                          ScheduleCheck::checkIntervalMs, 0, ScheduleCheck::workerParameter);
}

void MainWindow::chooseRunTime() {
    const int row = scriptList_.selectedRow();
    if (row < 0)
        return;
    runSetTimeWindow(window_.handle(), [this, row](const DateTime& picked) {
        scheduleCommands_->setRunTime(row, picked);
    });
}

void MainWindow::showWindow() {
    window_.show();
}

void MainWindow::hideWindow() {
    window_.hide();
}

void MainWindow::showTrayIcon(const std::string& tip) {
    tray_.show(tip);
}

void MainWindow::removeTrayIcon() {
    tray_.remove();
}

void MainWindow::popUpTrayMenu() {
    trayMenu_.popUpAtCursor(window_.handle(), 3, 3);
}

void MainWindow::showSecondInstanceError() {
    platform::messageBox(nullptr, "禁止多开!", "错误",
                         platform::boxFlags::exclamation | platform::boxFlags::ok |
                             platform::boxFlags::taskModal);
}

void MainWindow::endProcess(int exitCode) {
    platform::exitProcess(exitCode);
}

void MainWindow::setWindowVisible(bool visible) {
    if (visible)
        window_.show();
    else
        window_.hide();
}

void MainWindow::setCaption(const std::string& text) {
    window_.setCaption(text);
}

} // namespace tarnwick
