#include "driver/skin_pixels.h"

#include "platform/win32.h"

namespace e2e {

namespace {

uint32_t rgbOf(COLORREF colour) {
    return (uint32_t{GetRValue(colour)} << 16) | (uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

} // namespace

uint32_t screenColour(Point point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return rgbOf(colour);
}

uint32_t systemColour(int index) {
    return rgbOf(GetSysColor(index));
}

} // namespace e2e
