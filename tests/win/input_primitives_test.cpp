#include "message_target.h"
#include "platform/win32_clipboard.h"
#include "platform/win32_input_primitives.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

using testing::MessageTarget;
using testing::ReceivedMessage;

constexpr uint32_t enterScanCode = 0x1C;

struct Expected {
    UINT message;
    uint32_t wParam;
    uint32_t lParam;
};

void expectMessages(const std::vector<ReceivedMessage>& got, const std::vector<Expected>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].message, want[i].message);
        EXPECT_EQ(got[i].wParam, want[i].wParam);
        EXPECT_EQ(got[i].lParam, want[i].lParam);
    }
}

TEST(PostedInput, WheelNotchesCarryFixedParameters) {
    MessageTarget target({0, 0, 50, 50});
    postWheel(target.hwnd, WheelDirection::up);
    postWheel(target.hwnd, WheelDirection::down);
    target.pump();
    expectMessages(target.received, {{WM_MOUSEWHEEL, 0x00780010, 0x0181024B},
                                     {WM_MOUSEWHEEL, 0xFF880010, 0x0181024B}});
}

TEST(PostedInput, KeyMessagesCarryTheScanCodeAndUpBits) {
    ASSERT_EQ(MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC), enterScanCode);
    const uint32_t down = 1 | enterScanCode << 16;
    const uint32_t up = 0xC0000001 | enterScanCode << 16;
    struct Case {
        KeyKind kind;
        std::vector<Expected> messages;
    } cases[] = {
        {KeyKind::press, {{WM_KEYDOWN, 13, down}, {WM_KEYUP, 13, up}}},
        {KeyKind::down, {{WM_KEYDOWN, 13, down}}},
        {KeyKind::up, {{WM_KEYUP, 13, up}}},
        {KeyKind::character, {{WM_CHAR, 13, down}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.kind));
        MessageTarget target({0, 0, 50, 50});
        postKey(target.hwnd, 13, c.kind);
        target.pump();
        expectMessages(target.received, c.messages);
    }
}

TEST(PostedInput, TypedTextArrivesAsUtf16UnitsEndingInZero) {
    struct Case {
        const char* text;
        std::vector<uint32_t> units;
    } cases[] = {
        {"", {}},
        {"ab", {0x61, 0x62, 0}},
        {"运", {0x8FD0, 0}},
        {"运行1", {0x8FD0, 0x884C, 0x31, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MessageTarget target({0, 0, 50, 50});
        typeText(target.hwnd, c.text);
        target.pump();
        ASSERT_EQ(target.received.size(), c.units.size());
        for (size_t i = 0; i < c.units.size(); ++i) {
            EXPECT_EQ(target.received[i].message, UINT(WM_CHAR));
            EXPECT_EQ(target.received[i].wParam, c.units[i]);
        }
    }
}

TEST(PostedInput, TypingIntoNoWindowLandsInTheCallersQueue) {
    typeText(nullptr, "a");
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.wParam, WPARAM('a'));
    PeekMessageW(&msg, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE); // the terminating zero
}

TEST(Clipboard, TextIsStoredAsGbkBytesAndAsUtf16) {
    setClipboardText("运行abc");
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE bytes = GetClipboardData(CF_TEXT);
    HANDLE units = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(bytes, nullptr);
    ASSERT_NE(units, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(bytes)), "\xD4\xCB\xD0\xD0"
                                                              "abc");
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(units)), L"\x8FD0\x884C"
                                                                 L"abc");
    GlobalUnlock(bytes);
    GlobalUnlock(units);
    CloseClipboard();
    EXPECT_EQ(clipboardWideText(), L"\x8FD0\x884C"
                                   L"abc");
}

TEST(Clipboard, PasteSeesTheTextAndTheClipboardIsRestored) {
    struct Case {
        bool replace;
        const char* seen;
    } cases[] = {{true, "粘贴abc"}, {false, "之前"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.replace);
        MessageTarget target({0, 0, 50, 50});
        setClipboardText("之前");
        pasteText(target.hwnd, "粘贴abc", c.replace);
        ASSERT_EQ(target.received.size(), 1u);
        EXPECT_EQ(target.received[0].message, UINT(WM_PASTE));
        EXPECT_EQ(target.received[0].clipboard, c.seen);
        EXPECT_EQ(clipboardWideText(), L"\x4E4B\x524D"); // 之前
    }
}

TEST(Clipboard, PasteRestoresATextGbkCannotHold) {
    MessageTarget target({0, 0, 50, 50});
    const std::wstring before = L"\x4E4B\x524D\x0E01"; // 之前 and a Thai letter
    setClipboardWideText(before);
    pasteText(target.hwnd, "粘贴", true);
    EXPECT_EQ(clipboardWideText(), before);
}

TEST(Cursor, MovesToScreenPointsOrIntoAClientArea) {
    moveCursor(100, 120);
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 120);

    MessageTarget target({200, 150, 300, 250});
    POINT origin{0, 0};
    ClientToScreen(target.hwnd, &origin);
    moveCursor(10, 10, target.hwnd);
    GetCursorPos(&p);
    EXPECT_EQ(p.x, origin.x + 10);
    EXPECT_EQ(p.y, origin.y + 10);
}

// Button events go through the system's input queue to the window under the cursor.
class Buttons : public ::testing::Test {
  protected:
    void SetUp() override {
        SetWindowPos(target.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        moveCursor(400, 400);
        target.pump();
        target.received.clear();
    }

    std::vector<UINT> messagesAfter(int32_t button, int32_t kind, size_t expected) {
        clickButton(button, kind);
        target.pumpUntil(expected, 3000);
        target.pump();
        std::vector<UINT> messages;
        for (const ReceivedMessage& m : target.received)
            messages.push_back(m.message);
        target.received.clear();
        return messages;
    }

    MessageTarget target{{300, 300, 500, 500}};
};

TEST_F(Buttons, EveryButtonAndKindGivesItsEvents) {
    using V = std::vector<UINT>;
    struct Case {
        int32_t button, kind;
        V messages;
    } cases[] = {
        {1, 1, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {0, 0, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {2, 1, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
        {2, 3, {WM_RBUTTONDOWN}},
        {2, 4, {WM_RBUTTONUP}},
        {1, 3, {WM_LBUTTONDOWN}},
        {1, 4, {WM_LBUTTONUP}},
        {3, 1, {}},
        {1, 5, {}},
        {-1, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.button << "," << c.kind);
        EXPECT_EQ(messagesAfter(c.button, c.kind, c.messages.size()), c.messages);
    }
}

TEST_F(Buttons, DoubleClickPausesTheSystemDoubleClickTime) {
    clickButton(1, 2);
    target.pumpUntil(4, 5000);
    ASSERT_EQ(target.received.size(), 4u);
    // The pause lets the second click arrive as clicks of its own, not as a double click.
    const UINT expected[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(target.received[i].message, expected[i]);
    EXPECT_GE(target.received[2].at - target.received[1].at, GetDoubleClickTime() - 20);
}

TEST(WindowUnderCursor, PrefersTheSmallestVisibleSiblingHoldingThePoint) {
    MessageTarget parent({100, 100, 400, 400});
    SetWindowPos(parent.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    MessageTarget hiddenSmallest({60, 60, 80, 80}, parent.hwnd, false);
    MessageTarget small({50, 50, 100, 100}, parent.hwnd);
    // Behind small: smaller than large but not than the best so far.
    MessageTarget medium({40, 40, 120, 120}, parent.hwnd);
    MessageTarget large({0, 0, 200, 200}, parent.hwnd);
    MessageTarget elsewhere({210, 0, 220, 10}, parent.hwnd);
    for (HWND w : {elsewhere.hwnd, hiddenSmallest.hwnd, medium.hwnd, small.hwnd, large.hwnd})
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    parent.pump();

    struct Case {
        POINT client;
        HWND fromPoint; // what the system itself finds there
        HWND expected;
        const char* what;
    } cases[] = {
        {{70, 70}, large.hwnd, small.hwnd, "large on top of small and medium: the smallest"},
        {{110, 110}, large.hwnd, medium.hwnd, "large on top of medium alone"},
        {{20, 20}, large.hwnd, large.hwnd, "large alone"},
        {{250, 250}, parent.hwnd, parent.hwnd, "a top-level window has no siblings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        moveCursor(c.client.x, c.client.y, parent.hwnd);
        POINT cursor;
        GetCursorPos(&cursor);
        ASSERT_EQ(WindowFromPoint(cursor), c.fromPoint);
        EXPECT_EQ(windowUnderCursor(), c.expected);
    }
}

} // namespace
} // namespace tarnwick::platform
