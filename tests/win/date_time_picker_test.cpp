#include "platform/button.h"
#include "platform/date_time_picker.h"
#include "platform/modal_loop.h"
#include "platform/process.h"
#include "platform/win32.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <thread>

namespace tarnwick::platform {
namespace {

class DateTimePickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        initialiseCommonControls();
        window.onCreated = [&] { ASSERT_TRUE(picker.create(window, {8, 8, 184, 28, ""})); };
        ASSERT_TRUE(window.create({"picker test", 0, 0, 374, 79}));
    }
    std::wstring shownText() const {
        wchar_t text[64] = {};
        GetWindowTextW(picker.handle(), text, 64);
        return text;
    }

    Window window;
    DateTimePicker picker;
};

TEST_F(DateTimePickerTest, StartsAtTheCurrentLocalTime) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const DateTime value = picker.value();
    EXPECT_EQ(value.year, now.wYear);
    EXPECT_EQ(value.month, now.wMonth);
    EXPECT_EQ(value.day, now.wDay);
}

TEST_F(DateTimePickerTest, GivesBackTheValueToTheSecondInTheSetFormat) {
    picker.setFormat("yyyy-MM-dd HH:mm:ss");
    ASSERT_TRUE(picker.setValue({2024, 3, 5, 9, 7, 0}));
    EXPECT_EQ(picker.value(), (DateTime{2024, 3, 5, 9, 7, 0}));
    EXPECT_EQ(shownText(), L"2024-03-05 09:07:00");
    ASSERT_TRUE(picker.setValue({2024, 12, 31, 23, 59, 59}));
    EXPECT_EQ(shownText(), L"2024-12-31 23:59:59");
}

// Clicks the button of the window with the caption from another thread, as a user would,
// until the window goes (a click before it is active can be lost); after 3 s it closes it so
// that a failing test does not hang.
void clickUntilGone(const wchar_t* caption) {
    bool seen = false;
    for (int tries = 0; tries < 150; ++tries) {
        HWND window = FindWindowW(nullptr, caption);
        if (window && IsWindowVisible(window)) {
            seen = true;
            SendMessageW(FindWindowExW(window, nullptr, L"Button", nullptr), BM_CLICK, 0, 0);
        } else if (seen) {
            return;
        }
        Sleep(20);
    }
    PostMessageW(FindWindowW(nullptr, caption), WM_CLOSE, 0, 0);
}

TEST(ModalLoop, RunsUntilTheWindowHidesAndGivesTheOwnerBack) {
    Window owner;
    ASSERT_TRUE(owner.create({"modal owner", 0, 0, 300, 200}));
    owner.show();
    Window modal;
    Button ok;
    bool clicked = false;
    bool ownerDisabledMeanwhile = false;
    modal.onCreated = [&] { ok.create(modal, {8, 8, 80, 28, "OK"}); };
    ok.onClick = [&] {
        clicked = true;
        ownerDisabledMeanwhile = !IsWindowEnabled(owner.handle());
        modal.hide();
    };
    ASSERT_TRUE(modal.create({"modal under test", 0, 0, 374, 79}));
    std::thread user(clickUntilGone, L"modal under test");
    runModal(modal, owner.handle());
    user.join();
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    EXPECT_FALSE(modal.isVisible());
}

TEST(ModalLoop, AClosedWindowEndsItToo) {
    Window modal;
    modal.onCloseRequest = [&] {
        modal.hide();
        return false;
    };
    ASSERT_TRUE(modal.create({"modal closed", 0, 0, 374, 79}));
    std::thread user([&] {
        for (int tries = 0; tries < 300 && !IsWindowVisible(modal.handle()); ++tries)
            Sleep(10);
        PostMessageW(modal.handle(), WM_CLOSE, 0, 0);
    });
    runModal(modal, nullptr);
    user.join();
    EXPECT_FALSE(modal.isVisible());
}

} // namespace
} // namespace tarnwick::platform
