#include "platform/skin_api.h"
#include "platform/win32_library_loader_host.h"
#include "support/embedded_skin.h"
#include "support/memory_library_loader.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

constexpr COLORREF skinWindowColour = RGB(0xF3, 0xF4, 0xF6);
constexpr COLORREF skinFieldText = RGB(0x1F, 0x23, 0x28);

// The embedded skin library mapped from memory for real, unloaded at the end.
class SkinLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        const EmbeddedBlock image = embeddedSkinLibrary();
        ASSERT_TRUE(loader.loadImage(image.bytes, image.size));
        attach = reinterpret_cast<SkinAttachDataFunction>(
            std::uintptr_t(loader.exportAddress("SkinAttachData")));
        setAlpha = reinterpret_cast<SkinSetWindowAlphaFunction>(
            std::uintptr_t(loader.exportAddress("SkinSetWindowAlpha")));
        ASSERT_NE(attach, nullptr);
        ASSERT_NE(setAlpha, nullptr);
    }
    void TearDown() override {
        loader.unloadImage();
        if (window)
            DestroyWindow(window);
    }

    BOOL attachEmbeddedData() {
        const EmbeddedBlock data = embeddedSkinData();
        return attach(data.bytes, int(data.size), nullptr, 0, 0, 0);
    }

    // A window of the program's own class whose creation handler attaches the skin, as the
    // main window does; its class brush is black, so the skin's colour shows where it paints.
    HWND createMainWindow(bool attachOnCreate) {
        creating = attachOnCreate ? this : nullptr;
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = mainWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = HBRUSH(GetStockObject(BLACK_BRUSH));
        windowClass.lpszClassName = L"TarnwickSkinTest";
        RegisterClassW(&windowClass);
        window = CreateWindowExW(0, L"TarnwickSkinTest", L"skin", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        return window;
    }

    static LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
        if (message == WM_CREATE && creating)
            creating->attachedOnCreate = creating->attachEmbeddedData();
        return DefWindowProcW(hwnd, message, w, l);
    }

    HWND createChild(const wchar_t* className, DWORD style) {
        return CreateWindowExW(0, className, L"OK", WS_CHILD | WS_VISIBLE | style, 10, 10, 80, 24,
                               window, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    // What the window paints as its background, read from a memory bitmap.
    COLORREF erasedColour() {
        const HDC screen = GetDC(nullptr);
        const HDC memory = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 200);
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        SendMessageW(window, WM_ERASEBKGND, WPARAM(memory), 0);
        const COLORREF colour = GetPixel(memory, 5, 5);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return colour;
    }

    platform::Win32LibraryLoaderHost host;
    MemoryLibraryLoader loader{host};
    SkinAttachDataFunction attach = nullptr;
    SkinSetWindowAlphaFunction setAlpha = nullptr;
    HWND window = nullptr;
    BOOL attachedOnCreate = FALSE;
    static inline SkinLibrary* creating = nullptr;
};

TEST_F(SkinLibrary, ExportsFoundByExactNameAndByOrdinal) {
    EXPECT_NE(loader.baseAddress(), 0u);
    EXPECT_EQ(loader.exportAddress("skinattachdata"), 0u);
    EXPECT_EQ(loader.exportAddress("SkinAttachData "), 0u);
    EXPECT_EQ(loader.exportAddress("1"), loader.exportAddress("SkinAttachData"));
    EXPECT_EQ(loader.exportAddress("2"), loader.exportAddress("SkinSetWindowAlpha"));
    EXPECT_EQ(loader.exportAddress("3"), 0u);
    EXPECT_EQ(loader.exportAddress("0"), 0u);
}

TEST_F(SkinLibrary, UnloadReleasesTheImageMemory) {
    const auto base = reinterpret_cast<void*>(std::uintptr_t(loader.baseAddress()));
    EXPECT_TRUE(loader.unloadImage());
    EXPECT_EQ(loader.baseAddress(), 0u);
    EXPECT_EQ(loader.exportAddress("SkinAttachData"), 0u);
    MEMORY_BASIC_INFORMATION region{};
    ASSERT_NE(VirtualQuery(base, &region, sizeof region), 0u);
    EXPECT_EQ(region.State, DWORD(MEM_FREE));
}

TEST_F(SkinLibrary, DataThatIsNotACompleteSkinIsRefused) {
    const std::string good(reinterpret_cast<const char*>(embeddedSkinData().bytes),
                           embeddedSkinData().size);
    const std::string header = "tarnwick-skin 1\n";
    const std::string colours = "window F3F4F6\ntext 1F2328\nfield FFFFFF\nfield-text 1F2328\n"
                                "button 2F6FEB\nbutton-pressed 1F4FB0\nbutton-text FFFFFF\n"
                                "border C9CED6\n";
    const std::string refused[] = {
        "",
        "tarnwick-skin 2\n" + colours + "font 9 Tahoma\n",
        header + colours, // no font
        header + "window F3F4F6\nfont 9 Tahoma\n",
        header + colours + "font 9 Tahoma\nborder C9CED\n",
        header + colours + "font 200 Tahoma\n",
        header + colours + "font 9\n",
        header + colours + "font 9 " + std::string(40, 'x') + "\n",
        header + colours + "font 9 Ta\xFFhoma\n",
        good.substr(0, good.size() / 2),
    };
    for (const std::string& data : refused)
        EXPECT_FALSE(attach(data.data(), int(data.size()), nullptr, 0, 0, 0)) << data;
    const std::string accepted = "# comment\r\n" + header + colours + "unknown 1\nfont 9 Tahoma";
    EXPECT_TRUE(attach(accepted.data(), int(accepted.size()), nullptr, 0, 0, 0));
    EXPECT_FALSE(attachEmbeddedData()) << "attached once only";
}

TEST_F(SkinLibrary, AttachedInTheCreationHandlerThemesTheWindowAndLaterControls) {
    ASSERT_NE(createMainWindow(true), nullptr);
    ASSERT_TRUE(attachedOnCreate);
    EXPECT_EQ(erasedColour(), skinWindowColour);

    const HWND button = createChild(WC_BUTTONW, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_NE(SendMessageW(button, WM_GETFONT, 0, 0), 0);
    const HWND check = createChild(WC_BUTTONW, BS_AUTOCHECKBOX);
    EXPECT_EQ(GetWindowLongPtrW(check, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    const HWND list = createChild(WC_LISTVIEWW, LVS_REPORT);
    EXPECT_EQ(COLORREF(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)), skinFieldText);

    EXPECT_TRUE(loader.unloadImage());
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(erasedColour(), RGB(0, 0, 0));
    const HWND later = createChild(WC_BUTTONW, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrW(later, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(SkinLibrary, WindowsOpenBeforeTheAttachAreThemedToo) {
    ASSERT_NE(createMainWindow(false), nullptr);
    const HWND button = createChild(WC_BUTTONW, BS_DEFPUSHBUTTON);
    EXPECT_EQ(erasedColour(), RGB(0, 0, 0));
    ASSERT_TRUE(attachEmbeddedData());
    EXPECT_EQ(erasedColour(), skinWindowColour);
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(loader.unloadImage());
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(SkinLibrary, AlphaSetsTheOpacityAnd255RemovesTheLayering) {
    ASSERT_NE(createMainWindow(false), nullptr);
    EXPECT_TRUE(setAlpha(window, 128));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_TRUE(flags & LWA_ALPHA);
    EXPECT_TRUE(setAlpha(window, 255));
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(setAlpha(nullptr, 255));
}

} // namespace
} // namespace tarnwick
