#pragma once
// Places and sizes of windows in screen pixels, and of controls relative to another window's
// client area (their parent's, or a group box's that holds them).
#include <ostream>

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rect& rect);
std::ostream& operator<<(std::ostream& out, const Point& point);

// The window's outer rectangle on the screen.
Rect screenRect(HWND window);
// The window's outer rectangle relative to the top-left corner of the reference window's
// client area.
Rect rectInClientOf(HWND window, HWND reference);
// The centre of the window's outer rectangle on the screen.
Point screenCentre(HWND window);

} // namespace e2e
