#include "app/main_window_controller.h"
#include "fakes/memory_file_system.h"
#include "storage/list_file.h"
#include "storage/memory_table.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;

struct FakeShell : MainShell {
    std::vector<std::string> calls;
    void showWindow() override { calls.push_back("show"); }
    void hideWindow() override { calls.push_back("hide"); }
    void showTrayIcon(const std::string& tip) override { calls.push_back("tray " + tip); }
    void removeTrayIcon() override { calls.push_back("untray"); }
    void popUpTrayMenu() override { calls.push_back("menu"); }
    void showSecondInstanceError() override { calls.push_back("error box"); }
    void endProcess(int code) override { calls.push_back("exit " + std::to_string(code)); }
};

struct FakeInstance : InstanceMark {
    bool running = false;
    bool otherInstanceRuns() override { return running; }
    void markThisInstance() override { running = true; }
};

class MainWindowControllerTest : public ::testing::Test {
  protected:
    MainWindowController makeController() {
        return MainWindowController({shell, instance, files, DataPaths("R"), table,
                                     [this] { hooks.push_back("skin"); },
                                     [this] { hooks.push_back("worker"); }});
    }

    FakeShell shell;
    FakeInstance instance;
    MemoryFileSystem files;
    MemoryTable table{8};
    std::vector<std::string> hooks;
};

TEST_F(MainWindowControllerTest, FirstStartCreatesFoldersAndShowsAnEmptyTable) {
    files.directories.insert("R");
    table.appendRow("stale", {});
    makeController().onCreated();
    EXPECT_TRUE(instance.running);
    EXPECT_TRUE(files.directoryExists("R\\data"));
    EXPECT_TRUE(files.directoryExists("R\\img"));
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(hooks, (std::vector<std::string>{"skin", "worker"}));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(MainWindowControllerTest, StartLoadsTheCatalogueNormalised) {
    files.directories = {"R", "R\\data"};
    MemoryTable saved(8);
    saved.appendRow("1000001", {});
    for (int c = 1; c < 8; ++c)
        saved.setCellText(
            0, c, std::vector<std::string>{"", "a", "F1", "2", "启用", "√", "t", "√"}[size_t(c)]);
    files.files["R\\data\\任务列表.dat"] = encodeList(saved);
    makeController().onCreated();
    EXPECT_TRUE(files.directoryExists("R\\img")); // created when only img was missing
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cellText(0, 0), "");
    EXPECT_EQ(table.cellText(0, 4), "停用");
    EXPECT_EQ(table.cellText(0, 5), "×");
    EXPECT_EQ(table.cellText(0, 7), "√");
}

TEST_F(MainWindowControllerTest, SecondInstanceShowsTheErrorAndEndsWithZero) {
    instance.running = true;
    files.directories.insert("R");
    makeController().onCreated();
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"error box", "exit 0"}));
    EXPECT_TRUE(hooks.empty());
    EXPECT_FALSE(files.directoryExists("R\\data"));
}

TEST_F(MainWindowControllerTest, ClosingHidesToTheTrayAndTrayEventsAct) {
    MainWindowController controller = makeController();
    EXPECT_FALSE(controller.onCloseRequested());
    controller.onTrayEvent(TrayEventKind::leftReleased);
    controller.onTrayEvent(TrayEventKind::menuRequested);
    controller.onTrayEvent(TrayEventKind::leftDoubleClicked);
    controller.onShowWindowChosen();
    controller.onExitChosen();
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"tray Tarnwick", "hide", "menu", "show",
                                                     "show", "untray", "exit 0"}));
}

} // namespace
} // namespace tarnwick
