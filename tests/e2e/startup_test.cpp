// Start-up and shutdown of the real program: its data directories and catalogue, the single
// instance, hiding to the tray, the tray menu and the exit.
#include "driver/buttons.h"
#include "driver/files.h"
#include "driver/list_file_bytes.h"
#include "driver/main_window.h"
#include "driver/message_box.h"
#include "driver/mouse.h"
#include "driver/popup_menu.h"
#include "driver/tarnwick_run.h"
#include "driver/tray.h"
#include "driver/window_finding.h"
#include "driver/window_geometry.h"
#include "platform/win32.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <functional>

namespace e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Optional;

enum TrayMenuItem { showWindowItem = 0, aboutItem = 1, exitItem = 2 };

// How long the program gets to show that something did not happen (no menu, no window).
constexpr milliseconds quietTime = 300ms;

class StartupTest : public ::testing::Test {
  protected:
    TarnwickRun run;

    // Starts an instance and waits until its main window shows.
    std::pair<Process*, MainWindow> startShown() {
        Process& process = run.start();
        const MainWindow window = waitForShownMainWindow(process);
        EXPECT_TRUE(window.handle()) << "no main window shown";
        return {&process, window};
    }

    // Closes the window as its close button does and waits until it has gone to the tray.
    static HWND closeToTray(const MainWindow& window) {
        PostMessageW(window.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(waitUntil([&] { return !window.isVisible(); })) << "window not hidden";
        EXPECT_TRUE(waitForTrayIconCount(1)) << "no tray icon";
        const std::vector<HWND> icons = trayIcons();
        return icons.empty() ? nullptr : icons.front();
    }

    static void chooseFromTrayMenu(HWND icon, TrayMenuItem item) {
        const Point at = screenCentre(icon);
        click(at, MouseButton::right);
        HWND menu = waitForPopupMenu();
        ASSERT_TRUE(menu) << "no tray menu";
        const Rect place = screenRect(menu);
        EXPECT_EQ((Point{place.x, place.y}), (Point{at.x + 3, at.y + 3}));
        chooseMenuItem(menu, item);
        ASSERT_TRUE(waitUntil([] { return !isPopupMenuOpen(); })) << "tray menu stays open";
    }
};

TEST_F(StartupTest, FirstStartCreatesTheDataDirectoriesAndShowsAnEmptyTable) {
    auto [process, window] = startShown();
    ASSERT_TRUE(window.handle());
    EXPECT_TRUE(std::filesystem::is_directory(run.dataDirectory()));
    EXPECT_TRUE(std::filesystem::is_directory(run.imageDirectory()));
    EXPECT_EQ(window.scriptTable().rowCount(), 0);
    // Nothing is saved at start: there is no catalogue until a command writes one.
    EXPECT_FALSE(std::filesystem::exists(run.catalogueFile()));
}

TEST_F(StartupTest, ScriptTableHasItsEightColumns) {
    auto [process, window] = startShown();
    ASSERT_TRUE(window.handle());
    const auto column = [](std::wstring title, int width, Alignment alignment) {
        return ::testing::AllOf(::testing::Field(&ListColumn::title, title),
                                ::testing::Field(&ListColumn::width, width),
                                ::testing::Field(&ListColumn::alignment, alignment));
    };
    EXPECT_THAT(
        window.scriptTable().columns(),
        ElementsAre(
            column(L"", 0, Alignment::left), column(L"名称", 120, Alignment::left),
            column(L"执行挂起", 60, Alignment::centre), column(L"执行次数", 60, Alignment::centre),
            column(L"状态", 60, Alignment::centre), column(L"定时", 40, Alignment::centre),
            column(L"执行时间", 150, Alignment::left), column(L"完成", 40, Alignment::centre)));
}

TEST_F(StartupTest, CatalogueRowsLoadNormalised) {
    struct Case {
        const char* what;
        ListRow saved;
        ListRow shown;
    };
    const Case cases[] = {
        {"an enabled row loses its binding and schedule mark, keeps its done mark",
         {L"1000001", L"甲", L"F1", L"3", L"启用", L"√", L"2024-05-06 07:08:09", L"√"},
         {L"", L"甲", L"F1", L"3", L"停用", L"×", L"2024-05-06 07:08:09", L"√"}},
        {"a disabled row loses its row number and both marks",
         {L"1", L"beta", L"F2", L"1", L"停用", L"√", L"", L"√"},
         {L"", L"beta", L"F2", L"1", L"停用", L"×", L"", L"×"}},
        {"a row with another state keeps its marks and a column 0 with a comma",
         {L"12,34", L"gamma", L"F3", L"2", L"运行", L"√", L"", L"√"},
         {L"12,34", L"gamma", L"F3", L"2", L"运行", L"√", L"", L"√"}},
        {"a short row gets empty cells",
         {L"", L"delta", L"F4"},
         {L"", L"delta", L"F4", L"", L"", L"", L"", L""}},
    };
    std::vector<ListRow> saved, shown;
    for (const Case& c : cases) {
        saved.push_back(c.saved);
        shown.push_back(c.shown);
    }
    const std::string catalogue = listFileBytes(saved);
    // data is there but img is missing: start-up creates img.
    writeFileBytes(run.catalogueFile(), catalogue);

    auto [process, window] = startShown();
    ASSERT_TRUE(window.handle());
    const std::vector<ListRow> rows = window.scriptTable().rows();
    ASSERT_EQ(rows.size(), std::size(cases));
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_THAT(rows[i], ElementsAreArray(cases[i].shown)) << cases[i].what;
    EXPECT_TRUE(std::filesystem::is_directory(run.imageDirectory()));
    // Loading normalises the table, not the file.
    EXPECT_THAT(readFileBytes(run.catalogueFile()), Optional(catalogue));
}

TEST_F(StartupTest, SecondStartIsRefusedAndTheFirstKeepsRunning) {
    auto [first, window] = startShown();
    ASSERT_TRUE(window.handle());

    Process& second = run.start();
    HWND box = waitForMessageBox(second.id(), L"错误");
    ASSERT_TRUE(box) << "no refusal from the second instance";
    EXPECT_EQ(messageBoxText(box), L"禁止多开!");
    // The refusal comes while the main window is being created, before it is shown.
    HWND secondWindow = findTopWindow(second.id(), mainWindowCaption);
    EXPECT_FALSE(secondWindow && IsWindowVisible(secondWindow));
    pressOk(box);
    EXPECT_THAT(second.waitForExit(), Optional(0u));

    EXPECT_TRUE(first->isRunning());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(findTopWindow(first->id(), L"错误"));
}

TEST_F(StartupTest, ClosingHidesTheWindowIntoTheTray) {
    auto [process, window] = startShown();
    ASSERT_TRUE(window.handle());
    ASSERT_TRUE(trayIcons().empty()) << "a tray icon before the window was closed";

    HWND icon = closeToTray(window);
    ASSERT_TRUE(icon);
    EXPECT_EQ(trayIconTip(icon), L"Tarnwick");
    EXPECT_TRUE(IsWindow(window.handle()));
    EXPECT_FALSE(process->waitForExit(quietTime));

    // Closing it again while hidden changes nothing: still one icon.
    PostMessageW(window.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(process->waitForExit(quietTime));
    EXPECT_EQ(trayIcons().size(), 1u);
}

TEST_F(StartupTest, TrayIconAndMenuShowTheWindowOnlyWhenAsked) {
    struct Case {
        const char* what;
        std::function<void(HWND icon)> act;
        bool shows;
    };
    const Case cases[] = {
        {"a single left click does nothing", [](HWND icon) { click(screenCentre(icon)); }, false},
        {"about does nothing", [](HWND icon) { chooseFromTrayMenu(icon, aboutItem); }, false},
        {"a double click shows the window", [](HWND icon) { doubleClick(screenCentre(icon)); },
         true},
        {"show window shows it", [](HWND icon) { chooseFromTrayMenu(icon, showWindowItem); }, true},
    };
    auto [process, window] = startShown();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (window.isVisible())
            closeToTray(window);
        const std::vector<HWND> icons = trayIcons();
        ASSERT_EQ(icons.size(), 1u);
        c.act(icons.front());
        if (c.shows)
            EXPECT_TRUE(waitUntil([&] { return window.isVisible(); }));
        else
            EXPECT_FALSE(
                waitUntil([&] { return window.isVisible() || isPopupMenuOpen(); }, quietTime));
        EXPECT_TRUE(process->isRunning());
        EXPECT_EQ(trayIcons().size(), 1u) << "the icon stays";
    }
}

TEST_F(StartupTest, ExitFromTheTrayMenuEndsTheProcessAndANewStartWorks) {
    auto [process, window] = startShown();
    HWND icon = closeToTray(window);
    ASSERT_TRUE(icon);

    chooseFromTrayMenu(icon, exitItem);
    EXPECT_THAT(process->waitForExit(), Optional(0u));
    EXPECT_TRUE(waitForTrayIconCount(0));

    // The single-instance mark went with the process.
    Process& next = run.start();
    EXPECT_TRUE(waitForMainWindow(next).handle());
    EXPECT_FALSE(findTopWindow(next.id(), L"错误"));
}

TEST_F(StartupTest, MainWindowHasItsPlaceSizeAndControls) {
    auto [process, window] = startShown();
    ASSERT_TRUE(window.handle());
    EXPECT_EQ(screenRect(window.handle()), (Rect{50, 50, 636, 340}));

    struct Control {
        const wchar_t* caption;
        Rect place;
        bool enabled;
    };
    const Control buttons[] = {
        {L"启动", {8, 10, 72, 30}, true},       {L"停用", {98, 10, 72, 30}, false},
        {L"添加脚本", {188, 10, 72, 30}, true}, {L"删除脚本", {278, 10, 72, 30}, true},
        {L"使用说明", {368, 10, 72, 30}, true}, {L"脚本区", {0, 51, 632, 260}, true},
    };
    for (const Control& control : buttons) {
        HWND button = window.button(control.caption);
        ASSERT_TRUE(button) << "no control "
                            << testing::PrintToString(std::wstring(control.caption));
        EXPECT_EQ(rectInClientOf(button, window.handle()), control.place);
        EXPECT_EQ(isEnabled(button), control.enabled);
    }

    HWND group = window.scriptGroup();
    HWND table = window.scriptTable().handle();
    ASSERT_TRUE(group);
    ASSERT_TRUE(table);
    // The table's place is given inside the group box that holds it.
    const Rect tableOnScreen = screenRect(table), groupOnScreen = screenRect(group);
    EXPECT_EQ((Rect{tableOnScreen.x - groupOnScreen.x, tableOnScreen.y - groupOnScreen.y,
                    tableOnScreen.width, tableOnScreen.height}),
              (Rect{8, 18, 616, 238}));
}

} // namespace
} // namespace e2e
