// A scheduled run, end to end: the time is set in "设置时间", the script is armed from the list
// menu, and the once-a-second check plays it into the window under the cursor at that second,
// entering its text by a paste.
#include "driver/files.h"
#include "driver/list_file_bytes.h"
#include "driver/main_window.h"
#include "driver/message_box.h"
#include "driver/mouse.h"
#include "driver/play_commands.h"
#include "driver/play_scripts.h"
#include "driver/schedule_commands.h"
#include "driver/target_window.h"
#include "driver/tarnwick_run.h"
#include "driver/window_finding.h"
#include "platform/win32.h"

#include <gmock/gmock.h>

namespace e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;

const Rect targetPlace{700, 100, 400, 300};
// Far enough ahead for the menu work before it, near enough to keep the test short.
constexpr int secondsAhead = 4;
// The check runs once a second; the run then waits 100 ms, and 50 + 50 ms before its paste.
constexpr double latestAfterDueMs = 1000 + 200 + 300;

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The run time as the OK button writes it: no leading zeros anywhere.
std::wstring runTimeText(const LocalTime& t) {
    return std::to_wstring(t.year) + L"-" + std::to_wstring(t.month) + L"-" +
           std::to_wstring(t.day) + L" " + std::to_wstring(t.hour) + L":" +
           std::to_wstring(t.minute) + L":" + std::to_wstring(t.second);
}

class ScheduleRunTest : public ::testing::Test {
  protected:
    struct CursorAway {
        CursorAway() { moveCursor({1200, 900}); }
    } cursorAway;
    TargetWindow target{L"e2e target", targetPlace};
    TarnwickRun run;

    std::wstring positionInTarget() const {
        POINT point{200, 150};
        ClientToScreen(target.handle(), &point);
        return std::to_wstring(point.x) + L"," + std::to_wstring(point.y);
    }
};

TEST_F(ScheduleRunTest, ArmedScriptPlaysAtItsSecondAndPastesItsText) {
    prepareScripts(
        run, {{.name = L"定时", .steps = {{.position = positionInTarget(), .text = L"计划ab"}}},
              // Has a time already, so only the single slot can refuse it.
              {.name = L"另一个", .runTime = L"2030-1-1 0:0:0"}});
    Process& process = run.start();
    const MainWindow window = waitForShownMainWindow(process);
    ASSERT_TRUE(window.handle()) << "no main window shown";
    const RemoteListView table = window.scriptTable();
    ASSERT_EQ(table.rowCount(), 2);

    ASSERT_TRUE(chooseFromListMenu(window, 0, ListMenuItem::setRunTime));
    HWND setTime = waitForTopWindow(process.id(), setTimeCaption);
    ASSERT_TRUE(setTime) << "no set-time window";
    const ComingSecond due = secondsFromNow(secondsAhead);
    ASSERT_TRUE(setPickerTime(setTime, due.time));
    ASSERT_TRUE(pressSetTimeOk(setTime)) << "the set-time window stays open";
    const std::wstring timeText = runTimeText(due.time);
    EXPECT_TRUE(waitUntil([&] { return table.cellText(0, tableColumn::runTime) == timeText; }))
        << testing::PrintToString(table.cellText(0, tableColumn::runTime));
    EXPECT_THAT(readFileBytes(run.catalogueFile()).value_or(""), HasSubstr(gbk(timeText)))
        << "setting the time saves the catalogue";
    EXPECT_EQ(table.cellText(0, tableColumn::armed), L"×") << "setting the time does not arm";

    ASSERT_TRUE(chooseFromListMenu(window, 0, ListMenuItem::arm));
    EXPECT_TRUE(waitUntil([&] { return table.cellText(0, tableColumn::armed) == L"√"; }));

    // The one slot is taken: a second script is refused.
    ASSERT_TRUE(chooseFromListMenu(window, 1, ListMenuItem::arm));
    HWND box = waitForMessageBox(process.id(), L"提示");
    ASSERT_TRUE(box) << "no notice for a second armed script";
    EXPECT_EQ(messageBoxText(box), L"限制定时任务数!");
    pressOk(box);
    EXPECT_EQ(table.cellText(1, tableColumn::armed), L"×");

    const std::vector<TargetEvent> events =
        target.waitForEvents(1, milliseconds(secondsAhead * 1000 + 3000));
    ASSERT_THAT(events, ElementsAre(Field(&TargetEvent::kind, "paste")))
        << testing::PrintToString(events);
    EXPECT_EQ(events[0].text, L"计划ab") << "the clipboard at the paste holds the step's text";
    const double afterDueMs = static_cast<double>(events[0].ticks - due.ticks) * 1000.0 /
                              static_cast<double>(target.ticksPerSecond());
    EXPECT_GE(afterDueMs, 0) << "played before its second";
    EXPECT_LE(afterDueMs, latestAfterDueMs) << "played late";

    // Marked after the run, one cell after the other.
    EXPECT_TRUE(waitUntil([&] {
        return table.cellText(0, tableColumn::done) == L"√" &&
               table.cellText(0, tableColumn::armed) == L"×";
    })) << "the row is not marked done and disarmed";
    EXPECT_TRUE(waitForRunToEnd(window));
    EXPECT_THAT(target.events(), ElementsAre(Field(&TargetEvent::kind, "paste")))
        << "the run played more than its one paste";
    EXPECT_EQ(clipboardText(), L"1111111") << "the paste puts the fixed text back";
    EXPECT_EQ(table.cellText(1, tableColumn::done), L"×");
}

} // namespace
} // namespace e2e
