#pragma once
// Win32 handle types for headers that must not include <windows.h>; the typedefs match the
// ones <windows.h> declares, so both may be seen together.
struct HWND__;
typedef HWND__* HWND;
struct HMENU__;
typedef HMENU__* HMENU;
struct HICON__;
typedef HICON__* HICON;
struct HFONT__;
typedef HFONT__* HFONT;
