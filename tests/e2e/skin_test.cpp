// The skin as it reaches the screen: the main window opens in the colours of the embedded skin,
// and in the system's own colours when the embedded library image is broken.
#include "driver/main_window.h"
#include "driver/skin_image_patch.h"
#include "driver/skin_pixels.h"
#include "driver/tarnwick_run.h"
#include "driver/window_finding.h"
#include "platform/win32.h"

#include <gmock/gmock.h>

namespace e2e {
namespace {

// From skin/flat.skin.
constexpr uint32_t skinWindow = 0xF3F4F6;
constexpr uint32_t skinButton = 0x2F6FEB;

struct Look {
    uint32_t clientArea = 0;
    uint32_t button = 0;

    bool operator==(const Look&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Look& look) {
    return out << std::hex << "client area " << look.clientArea << ", button " << look.button
               << std::dec;
}

class SkinTest : public ::testing::Test {
  protected:
    TarnwickRun run;

    // A pixel of the client area right of the buttons, and one inside "使用说明" clear of
    // its caption.
    static Look lookOf(const MainWindow& window) {
        POINT client{600, 25};
        ClientToScreen(window.handle(), &client);
        const Rect button = screenRect(window.button(L"使用说明"));
        return {screenColour({client.x, client.y}),
                screenColour({button.x + 5, button.y + button.height / 2})};
    }

    // Polled, so the window and its buttons have had time to paint.
    template <class Condition> static Look waitForLook(const MainWindow& window, Condition done) {
        Look look;
        waitUntil([&] { return done(look = lookOf(window)); }, 2000ms);
        return look;
    }
};

TEST_F(SkinTest, MainWindowOpensInTheSkinsColours) {
    const MainWindow window = waitForShownMainWindow(run.start());
    ASSERT_TRUE(window.handle()) << "no main window shown";
    const Look skinned{skinWindow, skinButton};
    EXPECT_EQ(waitForLook(window, [&](const Look& look) { return look == skinned; }), skinned);
}

TEST_F(SkinTest, WithTheEmbeddedLibraryBrokenTheWindowStillOpensUnskinned) {
    ASSERT_TRUE(corruptEmbeddedLibraryImage(run.executable())) << "no embedded library found";
    const MainWindow window = waitForShownMainWindow(run.start());
    ASSERT_TRUE(window.handle()) << "no main window shown";
    const uint32_t face = systemColour(COLOR_BTNFACE);
    // The skin's window colour is not the face colour, so the client area alone tells.
    const Look look = waitForLook(window, [&](const Look& l) { return l.clientArea == face; });
    EXPECT_EQ(look.clientArea, face) << look;
    EXPECT_NE(look.button, skinButton) << look;
    EXPECT_TRUE(isEnabled(window.button(L"启动"))) << "the window works without its skin";
}

} // namespace
} // namespace e2e
