// Playing a script with its start hotkey, end to end: the Start button binds the hotkey, a real
// key press plays the steps into the window under the cursor with their waits, a second press
// stops the run, and the Stop button releases the binding.
#include "driver/main_window.h"
#include "driver/mouse.h"
#include "driver/play_commands.h"
#include "driver/play_scripts.h"
#include "driver/target_window.h"
#include "driver/tarnwick_run.h"
#include "driver/tray.h"
#include "driver/window_finding.h"
#include "platform/win32.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const Rect targetPlace{700, 100, 400, 300};
const Point clientPoint{40, 30};
// How long the program gets to show that a press did nothing.
constexpr milliseconds quietTime = 700ms;
// A timer wait may end a tick early, and the target may take a message a few ms after it came.
constexpr double timingSlackMs = 5;

struct CursorAway {
    CursorAway() { moveCursor({1200, 900}); }
};

// A row that presses one key at the cursor and nothing else: about 300 ms with its interval,
// well above the time a stopping press takes to reach the run flags.
StepRow keyRow(const wchar_t* key) {
    return {.position = L"0,0", .mouseAction = L"无事件", .interval = L"200", .key = key};
}

std::vector<StepRow> keyRows(const wchar_t* key, int count) {
    return std::vector<StepRow>(static_cast<size_t>(count), keyRow(key));
}

class HotkeyPlayTest : public ::testing::Test {
  protected:
    CursorAway cursorAway;
    TargetWindow target{L"e2e target", targetPlace};
    TarnwickRun run;
    MainWindow window{nullptr};

    Point targetScreenPoint(Point client) const {
        POINT point{client.x, client.y};
        ClientToScreen(target.handle(), &point);
        return {point.x, point.y};
    }

    std::wstring positionText(Point client) const {
        const Point screen = targetScreenPoint(client);
        return std::to_wstring(screen.x) + L"," + std::to_wstring(screen.y);
    }

    void start(const std::vector<PreparedScript>& scripts) {
        prepareScripts(run, scripts);
        window = waitForShownMainWindow(run.start());
        ASSERT_TRUE(window.handle()) << "no main window shown";
        ASSERT_EQ(window.scriptTable().rowCount(), static_cast<int>(scripts.size()));
    }

    // Key rows play at the cursor without moving it: put it over the target.
    void cursorOverTarget() const { moveCursor(targetScreenPoint({200, 150})); }

    // What the runner sent: the target's log without the test's own hotkey presses, which
    // reach whichever window has the focus.
    std::vector<TargetEvent> runnerEvents() const {
        std::vector<TargetEvent> events = target.events();
        std::erase_if(events, [](const TargetEvent& e) {
            return e.kind.starts_with("key") && e.wParam >= VK_F1 && e.wParam <= VK_F12;
        });
        return events;
    }

    // Key-down events of this key, in order.
    std::vector<TargetEvent> keyDowns(unsigned key) const {
        std::vector<TargetEvent> downs;
        for (const TargetEvent& e : runnerEvents())
            if (e.kind == "keydown" && e.wParam == key)
                downs.push_back(e);
        return downs;
    }

    double msBetween(int64_t from, int64_t to) const {
        return static_cast<double>(to - from) * 1000.0 /
               static_cast<double>(target.ticksPerSecond());
    }

    std::wstring caption() const { return windowText(window.handle()); }
    std::wstring cell(int row, int column) const {
        return window.scriptTable().cellText(row, column);
    }
};

TEST_F(HotkeyPlayTest, HotkeyPlaysEveryPartOfAStepIntoTheWindowUnderTheCursorAfterItsWaits) {
    constexpr double interval = 300;
    ASSERT_NO_FATAL_FAILURE(start({{.name = L"甲",
                                    .steps = {{.position = positionText(clientPoint),
                                               .mouseAction = L"左键单击",
                                               .interval = L"300",
                                               .wheelAction = L"下滚动",
                                               .wheelCount = L"2",
                                               .text = L"ab运行",
                                               .key = L"13",
                                               .keyCount = L"2"}}}}));
    ASSERT_TRUE(enableScript(window, 0));
    EXPECT_EQ(cell(0, tableColumn::binding), L"1000001");
    EXPECT_FALSE(isEnabled(window.button(L"启动")));
    EXPECT_TRUE(isEnabled(window.button(L"停用")));

    const int64_t pressed = pressHotkey(VK_F1);
    ASSERT_TRUE(waitForRunToShow(window)) << "the window stays up while the script plays";
    const std::vector<HWND> icons = trayIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(trayIconTip(icons.front()), L"Tarnwick");
    EXPECT_EQ(caption(), L"Tarnwick1.0--运行");
    ASSERT_TRUE(waitForRunToEnd(window)) << "the window does not come back after the run";

    const std::vector<TargetEvent> events = runnerEvents();
    const auto event = [](const char* kind, uint64_t wParam) {
        return ::testing::AllOf(::testing::Field(&TargetEvent::kind, kind),
                                ::testing::Field(&TargetEvent::wParam, wParam));
    };
    const uint64_t wheelDown = 0xFF880010u;
    // The target translates each posted key-down into a character, queued behind the key-up.
    ASSERT_THAT(events, ElementsAre(event("lbuttondown", MK_LBUTTON), event("lbuttonup", 0),
                                    event("mousewheel", wheelDown), event("mousewheel", wheelDown),
                                    event("char", 'a'), event("char", 'b'), event("char", 0x8FD0),
                                    event("char", 0x884C), event("char", 0), event("keydown", 13),
                                    event("keyup", 13), event("char", 13), event("keydown", 13),
                                    event("keyup", 13), event("char", 13)))
        << ::testing::PrintToString(events);
    EXPECT_EQ(events[0].position, clientPoint);
    EXPECT_EQ(events[2].lParam, 0x0181024Bu) << "the fixed wheel point";
    EXPECT_EQ(events[9].lParam, 0x001C0001u);
    EXPECT_EQ(events[10].lParam, 0xC01C0001u);
    EXPECT_EQ(cursorPosition(), targetScreenPoint(clientPoint));

    struct Wait {
        const char* what;
        int64_t from;
        size_t to;
        double atLeastMs;
    };
    const Wait waits[] = {
        {"key down to click: row, interval, button", pressed, 0, 100 + interval + 20},
        {"click to first notch", events[1].ticks, 2, 50},
        {"between notches", events[2].ticks, 3, 50},
        {"last notch to text: before it and before entering it", events[3].ticks, 4, 50 + 50},
        {"text to first key press", events[8].ticks, 9, interval},
        {"between key presses", events[10].ticks, 12, interval},
    };
    for (const Wait& wait : waits)
        EXPECT_GE(msBetween(wait.from, events[wait.to].ticks), wait.atLeastMs - timingSlackMs)
            << wait.what;
    EXPECT_EQ(cell(0, tableColumn::state), L"启用") << "a run leaves the script enabled";
}

TEST_F(HotkeyPlayTest, SecondPressStopsTheRunWithinOneRow) {
    constexpr int rows = 12;
    ASSERT_NO_FATAL_FAILURE(start({{.name = L"乙", .steps = keyRows(L"65", rows)}}));
    ASSERT_TRUE(enableScript(window, 0));
    cursorOverTarget();

    pressHotkey(VK_F1);
    ASSERT_TRUE(waitUntil([&] { return keyDowns('A').size() >= 2; })) << "the script does not play";
    const int64_t stopped = pressHotkey(VK_F1);
    ASSERT_TRUE(waitForRunToEnd(window)) << "the stopped run does not give the window back";
    EXPECT_EQ(caption(), L"Tarnwick1.0--停止");

    const std::vector<TargetEvent> presses = keyDowns('A');
    const auto afterStop = std::count_if(presses.begin(), presses.end(),
                                         [&](const TargetEvent& e) { return e.ticks > stopped; });
    EXPECT_LE(afterStop, 1) << "only the row in hand may finish";
    EXPECT_LT(presses.size(), static_cast<size_t>(rows));
    // A wrongly started run would press again a row later.
    EXPECT_FALSE(waitUntil(
        [&] { return !window.isVisible() || keyDowns('A').size() > presses.size(); }, quietTime))
        << "the stopping press started a run of its own";
    EXPECT_EQ(cell(0, tableColumn::state), L"启用");
}

TEST_F(HotkeyPlayTest, AnotherScriptsHotkeyStopsTheRunWithoutStartingItsScript) {
    ASSERT_NO_FATAL_FAILURE(start({{.name = L"甲", .hotkey = L"F1", .steps = keyRows(L"65", 12)},
                                   {.name = L"乙", .hotkey = L"F2", .steps = keyRows(L"66", 3)}}));
    ASSERT_TRUE(enableScript(window, 0));
    ASSERT_TRUE(enableScript(window, 1));
    EXPECT_EQ(cell(0, tableColumn::binding), L"1000001");
    EXPECT_EQ(cell(1, tableColumn::binding), L"1000002");
    cursorOverTarget();

    pressHotkey(VK_F1);
    ASSERT_TRUE(waitUntil([&] { return keyDowns('A').size() >= 2; })) << "the script does not play";
    const int64_t stopped = pressHotkey(VK_F2);
    ASSERT_TRUE(waitForRunToEnd(window));
    EXPECT_EQ(caption(), L"Tarnwick1.0--停止");

    const std::vector<TargetEvent> presses = keyDowns('A');
    EXPECT_LE(std::count_if(presses.begin(), presses.end(),
                            [&](const TargetEvent& e) { return e.ticks > stopped; }),
              1);
    EXPECT_FALSE(
        waitUntil([&] { return !window.isVisible() || !keyDowns('B').empty(); }, quietTime))
        << "the second script played";
}

TEST_F(HotkeyPlayTest, StopButtonReleasesTheBindingSoTheKeyNoLongerPlays) {
    ASSERT_NO_FATAL_FAILURE(start({{.name = L"甲", .steps = keyRows(L"65", 1)}}));
    ASSERT_TRUE(enableScript(window, 0));
    ASSERT_TRUE(disableScript(window, 0));
    EXPECT_EQ(cell(0, tableColumn::binding), L"");
    EXPECT_TRUE(isEnabled(window.button(L"启动")));
    EXPECT_FALSE(isEnabled(window.button(L"停用")));
    cursorOverTarget();

    pressHotkey(VK_F1);
    EXPECT_FALSE(waitUntil([&] { return !window.isVisible() || !trayIcons().empty(); }, quietTime))
        << "a released hotkey started a run";
    EXPECT_THAT(runnerEvents(), ElementsAre());
    EXPECT_EQ(caption(), L"Tarnwick1.0");

    // The released binding comes back with the identifier it had.
    ASSERT_TRUE(enableScript(window, 0));
    EXPECT_EQ(cell(0, tableColumn::binding), L"1000001");
}

TEST_F(HotkeyPlayTest, TwoRowsOnOneHotkeyShareItsBindingAndTheUpperRowPlays) {
    ASSERT_NO_FATAL_FAILURE(start({{.name = L"上", .steps = keyRows(L"65", 1)},
                                   {.name = L"下", .steps = keyRows(L"66", 1)}}));
    ASSERT_TRUE(enableScript(window, 0));
    ASSERT_TRUE(enableScript(window, 1));
    EXPECT_THAT(
        (std::vector<std::wstring>{cell(0, tableColumn::binding), cell(1, tableColumn::binding)}),
        ElementsAreArray({L"1000001", L"1000001"}));
    cursorOverTarget();

    pressHotkey(VK_F1);
    ASSERT_TRUE(waitForRunToShow(window));
    ASSERT_TRUE(waitForRunToEnd(window));
    EXPECT_EQ(keyDowns('A').size(), 1u);
    EXPECT_FALSE(
        waitUntil([&] { return !window.isVisible() || !keyDowns('B').empty(); }, quietTime))
        << "the lower row played too";
}

} // namespace
} // namespace e2e
