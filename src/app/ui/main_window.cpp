#include "app/ui/main_window.h"

#include "platform/message_box.h"
#include "platform/process.h"
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

MainWindow::MainWindow(FileSystem& files, const DataPaths& paths)
    : files_(files), paths_(paths), instance_(std::make_unique<NamedEventMark>()) {}

bool MainWindow::create() {
    MainWindowServices services{*this,  *instance_,  files_,
                                paths_, scriptList_, [this] { attachSkin(window_.handle()); },
                                {}};
    controller_ = std::make_unique<MainWindowController>(std::move(services));
    window_.onCloseRequest = [this] { return controller_->onCloseRequested(); };
    window_.onCreated = [this] {
        createControls();
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
    scriptList_.create(window_, {groupX + 8, groupY + 18, 616, 238}, scriptColumns());

    tray_.onEvent = [this](int kind) {
        controller_->onTrayEvent(static_cast<TrayEventKind>(kind));
    };
    trayMenu_.addItem("显示窗口", [this] { controller_->onShowWindowChosen(); });
    trayMenu_.addItem("关于软件", {});
    trayMenu_.addItem("退出软件", [this] { controller_->onExitChosen(); });
    listMenu_.addItem("设置定时", {});
    listMenu_.addItem("开启定时", {});
    listMenu_.addItem("关闭定时", {});
    listMenu_.addItem("清空全部", {});
    scriptList_.onRightClick = [this](int) { listMenu_.popUpAtCursor(window_.handle(), 0, 0); };
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

} // namespace tarnwick
