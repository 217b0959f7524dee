// The harness itself: the target window must log what reaches it exactly, or every test that
// reads its log would judge the program under test on wrong evidence.
#include "driver/keyboard.h"
#include "driver/mouse.h"
#include "driver/target_window.h"
#include "platform/win32.h"

#include <gmock/gmock.h>

namespace e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;

const Rect targetPlace{300, 300, 400, 300};

std::vector<std::string> kinds(const std::vector<TargetEvent>& events) {
    std::vector<std::string> result;
    for (const TargetEvent& event : events)
        result.push_back(event.kind);
    return result;
}

// Starts each target with the cursor away from it, so the only input it gets is the test's.
struct CursorAway {
    CursorAway() { moveCursor({targetPlace.x + targetPlace.width + 100, targetPlace.y}); }
};

class HarnessTest : public ::testing::Test {
  protected:
    CursorAway cursorAway;
    TargetWindow target{L"e2e target", targetPlace};

    Point clientToScreen(Point client) const {
        POINT point{client.x, client.y};
        ClientToScreen(target.handle(), &point);
        return {point.x, point.y};
    }
};

TEST_F(HarnessTest, RealClicksAreLoggedWithTheirClientPosition) {
    click(clientToScreen({40, 30}));
    click(clientToScreen({41, 31}), MouseButton::right);
    const auto events = target.waitForEvents(4);
    ASSERT_THAT(kinds(events), ElementsAre("lbuttondown", "lbuttonup", "rbuttondown", "rbuttonup"))
        << ::testing::PrintToString(events);
    EXPECT_EQ(events.at(0).position, (Point{40, 30}));
    EXPECT_EQ(events.at(3).position, (Point{41, 31}));
    EXPECT_LE(events.at(0).ticks, events.at(3).ticks);
}

TEST_F(HarnessTest, DoubleClickIsLoggedAsTheSystemReportsIt) {
    doubleClick(clientToScreen({50, 50}));
    const auto events = target.waitForEvents(4);
    EXPECT_THAT(kinds(events),
                ElementsAre("lbuttondown", "lbuttonup", "lbuttondblclk", "lbuttonup"))
        << ::testing::PrintToString(events);
}

TEST_F(HarnessTest, PostedMessagesKeepTheirParameters) {
    PostMessageW(target.handle(), WM_MOUSEWHEEL, 0xFF880010u, 0x0181024B);
    PostMessageW(target.handle(), WM_CHAR, 0x8FD0, 0);
    PostMessageW(target.handle(), WM_KEYDOWN, 13, 0x001C0001);
    PostMessageW(target.handle(), WM_KEYUP, 13, static_cast<LPARAM>(0xC01C0001u));
    const auto events = target.waitForEvents(5);
    // The window translates key messages as any ordinary window does: Enter gives a character,
    // queued behind what was already posted.
    ASSERT_THAT(kinds(events), ElementsAre("mousewheel", "char", "keydown", "keyup", "char"))
        << ::testing::PrintToString(events);
    EXPECT_EQ(events[0].wParam, 0xFF880010u);
    EXPECT_EQ(events[0].lParam, 0x0181024Bu);
    EXPECT_EQ(events[1].wParam, 0x8FD0u);
    EXPECT_EQ(events[2].lParam, 0x001C0001u);
    EXPECT_EQ(events[3].wParam, 13u);
    EXPECT_EQ(events[3].lParam, 0xC01C0001u);
    EXPECT_EQ(events[4].wParam, 13u);
}

TEST_F(HarnessTest, RealKeyPressesReachTheFocusedWindow) {
    click(clientToScreen({10, 10}));
    pressKey('A');
    const auto events = target.waitForEvents(5);
    ASSERT_THAT(kinds(events), ElementsAre("lbuttondown", "lbuttonup", "keydown", "char", "keyup"))
        << ::testing::PrintToString(events);
    EXPECT_EQ(events.at(2).wParam, static_cast<uint64_t>('A'));
}

TEST_F(HarnessTest, PasteLogsTheClipboardTextOfThatMoment) {
    const std::wstring text = L"运行 ab";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(block)), text.c_str());
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();

    SendMessageW(target.handle(), WM_PASTE, 0, 0);
    const auto events = target.waitForEvents(1);
    ASSERT_THAT(events, ElementsAre(Field(&TargetEvent::kind, "paste")));
    EXPECT_EQ(events[0].text, text);
}

} // namespace
} // namespace e2e
