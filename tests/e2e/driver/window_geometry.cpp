#include "driver/window_geometry.h"

#include "platform/win32.h"

namespace e2e {

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << rect.x << "," << rect.y << " " << rect.width << "x" << rect.height;
}

std::ostream& operator<<(std::ostream& out, const Point& point) {
    return out << point.x << "," << point.y;
}

Rect screenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Rect rectInClientOf(HWND window, HWND reference) {
    Rect rect = screenRect(window);
    POINT origin{rect.x, rect.y};
    ScreenToClient(reference, &origin);
    rect.x = origin.x;
    rect.y = origin.y;
    return rect;
}

Point screenCentre(HWND window) {
    const Rect rect = screenRect(window);
    return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

} // namespace e2e
