// The skin library: a DLL without a C runtime, mapped by the program from its own bytes.
#include "platform/skin_api.h"
#include "skin_palette.h"
#include "window_theme.h"

#include <type_traits>

extern "C" {

__declspec(dllexport) BOOL WINAPI
    SkinAttachData(const void* data, int length, const char*, int, int, int) {
    skin::Palette palette;
    if (length < 0 || !skin::parsePalette(data, std::size_t(length), palette))
        return FALSE;
    return skin::attachTheme(palette) ? TRUE : FALSE;
}

__declspec(dllexport) BOOL WINAPI SkinSetWindowAlpha(HWND window, int alpha) {
    if (!IsWindow(window))
        return FALSE;
    const LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (alpha >= 255) {
        if (extended & WS_EX_LAYERED)
            SetWindowLongPtrW(window, GWL_EXSTYLE, extended & ~LONG_PTR(WS_EX_LAYERED));
        return TRUE;
    }
    SetWindowLongPtrW(window, GWL_EXSTYLE, extended | WS_EX_LAYERED);
    return SetLayeredWindowAttributes(window, 0, BYTE(alpha < 0 ? 0 : alpha), LWA_ALPHA);
}

// The entry point: no C runtime to set up; the theme leaves with the library.
BOOL WINAPI SkinMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_DETACH)
        skin::detachTheme();
    return TRUE;
}

} // extern "C"

static_assert(std::is_same_v<decltype(&SkinAttachData), SkinAttachDataFunction> &&
                  std::is_same_v<decltype(&SkinSetWindowAlpha), SkinSetWindowAlphaFunction>,
              "the exports must match what the program calls");
