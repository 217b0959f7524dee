#include "window_theme.h"

#include "platform/win32.h"

#include <commctrl.h>

namespace skin {
namespace {

constexpr UINT_PTR themeId = 0x534B494E;
// Reference data of a push button drawn flat by its parent: its own type, kept for the
// restore, and whether it is the default button now.
constexpr DWORD_PTR flatButton = 0x100;
constexpr DWORD_PTR defaultButton = 0x200;

struct Theme {
    Palette palette;
    HFONT font;
    HBRUSH window;
    HBRUSH field;
    HBRUSH button;
    HBRUSH buttonPressed;
    HBRUSH border;
    HHOOK hook;
    DWORD thread;
};

// Touched only by the thread that attached the theme.
Theme theme;
bool attached;

LRESULT CALLBACK themeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data);

bool classIs(HWND window, const wchar_t* name) {
    wchar_t buffer[64];
    return GetClassNameW(window, buffer, 64) > 0 && lstrcmpiW(buffer, name) == 0;
}

bool themed(HWND window, DWORD_PTR* data) {
    DWORD_PTR ignored;
    return window && GetWindowSubclass(window, themeProc, themeId, data ? data : &ignored);
}

bool themed(HWND window) {
    return themed(window, nullptr);
}

// The program's own windows and its dialogs; menus, tooltips and IME windows of the system
// keep their look.
bool wantedTopLevel(HWND window) {
    return classIs(window, L"#32770") ||
           HINSTANCE(GetClassLongPtrW(window, GCLP_HMODULE)) == GetModuleHandleW(nullptr);
}

// After creation, so that nothing the control sets up in WM_CREATE undoes it.
void styleControl(HWND window) {
    if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD))
        return;
    SendMessageW(window, WM_SETFONT, WPARAM(theme.font), FALSE);
    if (classIs(window, WC_LISTVIEWW)) {
        ListView_SetBkColor(window, theme.palette.field);
        ListView_SetTextBkColor(window, theme.palette.field);
        ListView_SetTextColor(window, theme.palette.fieldText);
        return;
    }
    if (!classIs(window, WC_BUTTONW) || !themed(GetParent(window)))
        return;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const DWORD_PTR type = style & BS_TYPEMASK;
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)
        return;
    SetWindowSubclass(window, themeProc, themeId,
                      flatButton | type | (type == BS_DEFPUSHBUTTON ? defaultButton : 0));
    SetWindowLongPtrW(window, GWL_STYLE, (style & ~LONG_PTR(BS_TYPEMASK)) | BS_OWNERDRAW);
}

void themeWindow(HWND window) {
    SetWindowSubclass(window, themeProc, themeId, 0);
}

void restoreWindow(HWND window) {
    DWORD_PTR data = 0;
    if (!themed(window, &data))
        return;
    if (data & flatButton) {
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE) & ~LONG_PTR(BS_TYPEMASK);
        SetWindowLongPtrW(window, GWL_STYLE,
                          style | (data & defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
    }
    RemoveWindowSubclass(window, themeProc, themeId);
    if (HFONT(SendMessageW(window, WM_GETFONT, 0, 0)) == theme.font)
        SendMessageW(window, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

LRESULT colours(WPARAM dc, COLORREF text, COLORREF back, HBRUSH brush) {
    SetTextColor(HDC(dc), text);
    SetBkColor(HDC(dc), back);
    return LRESULT(brush);
}

bool drawFlatButton(const DRAWITEMSTRUCT& item) {
    DWORD_PTR data = 0;
    if (item.CtlType != ODT_BUTTON || !themed(item.hwndItem, &data) || !(data & flatButton))
        return false;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT area = item.rcItem;
    FillRect(item.hDC, &area,
             disabled                        ? theme.border
             : item.itemState & ODS_SELECTED ? theme.buttonPressed
                                             : theme.button);
    if (data & defaultButton)
        FrameRect(item.hDC, &area, theme.buttonPressed);
    wchar_t caption[128];
    const int length = GetWindowTextW(item.hwndItem, caption, 128);
    const HGDIOBJ previous = SelectObject(item.hDC, theme.font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, disabled ? theme.palette.text : theme.palette.buttonText);
    DrawTextW(item.hDC, caption, length, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, previous);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        InflateRect(&area, -3, -3);
        DrawFocusRect(item.hDC, &area);
    }
    return true;
}

LRESULT CALLBACK themeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (result != -1)
            styleControl(window);
        return result;
    }
    case WM_SETFONT:
        wParam = WPARAM(theme.font);
        break;
    case WM_ERASEBKGND:
        if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)
            break;
        RECT client;
        GetClientRect(window, &client);
        FillRect(HDC(wParam), &client, theme.window);
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
        return colours(wParam, theme.palette.text, theme.palette.window, theme.window);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return colours(wParam, theme.palette.fieldText, theme.palette.field, theme.field);
    case WM_DRAWITEM:
        if (drawFlatButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case BM_SETSTYLE:
        // The dialog manager moves the default by setting the button's type: keep ours.
        if (data & flatButton) {
            const bool isDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            SetWindowSubclass(window, themeProc, themeId,
                              (data & ~defaultButton) | (isDefault ? defaultButton : 0));
            wParam = (wParam & ~WPARAM(BS_TYPEMASK)) | BS_OWNERDRAW;
            InvalidateRect(window, nullptr, FALSE);
        }
        break;
    case WM_GETDLGCODE:
        if (data & flatButton)
            return DLGC_BUTTON | (data & defaultButton ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, themeProc, themeId);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK creationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto window = HWND(wParam);
        const CREATESTRUCTW& create = *reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
        if (create.style & WS_CHILD ? themed(create.hwndParent) : wantedTopLevel(window))
            themeWindow(window);
    }
    return CallNextHookEx(theme.hook, code, wParam, lParam);
}

BOOL CALLBACK themeChild(HWND child, LPARAM) {
    if (!themed(child) && themed(GetParent(child))) {
        themeWindow(child);
        styleControl(child);
    }
    return TRUE;
}

BOOL CALLBACK themeTopLevel(HWND window, LPARAM) {
    if (!themed(window) && wantedTopLevel(window)) {
        themeWindow(window);
        EnumChildWindows(window, themeChild, 0);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return TRUE;
}

BOOL CALLBACK restoreChild(HWND child, LPARAM) {
    restoreWindow(child);
    return TRUE;
}

BOOL CALLBACK restoreTopLevel(HWND window, LPARAM) {
    if (themed(window)) {
        EnumChildWindows(window, restoreChild, 0);
        restoreWindow(window);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return TRUE;
}

void releaseObjects() {
    const HGDIOBJ objects[] = {theme.font,   theme.window,        theme.field,
                               theme.button, theme.buttonPressed, theme.border};
    for (HGDIOBJ object : objects)
        if (object)
            DeleteObject(object);
}

HFONT createFont(const Palette& palette) {
    const HDC screen = GetDC(nullptr);
    const int height = -MulDiv(palette.fontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, palette.fontFace);
}

} // namespace

bool attachTheme(const Palette& palette) {
    if (attached)
        return false;
    theme.palette = palette;
    theme.font = createFont(palette);
    theme.window = CreateSolidBrush(palette.window);
    theme.field = CreateSolidBrush(palette.field);
    theme.button = CreateSolidBrush(palette.button);
    theme.buttonPressed = CreateSolidBrush(palette.buttonPressed);
    theme.border = CreateSolidBrush(palette.border);
    theme.thread = GetCurrentThreadId();
    theme.hook = SetWindowsHookExW(WH_CBT, creationHook, nullptr, theme.thread);
    if (!theme.font || !theme.window || !theme.field || !theme.button || !theme.buttonPressed ||
        !theme.border || !theme.hook) {
        if (theme.hook)
            UnhookWindowsHookEx(theme.hook);
        releaseObjects();
        theme = Theme{};
        return false;
    }
    attached = true;
    EnumThreadWindows(theme.thread, themeTopLevel, 0);
    return true;
}

void detachTheme() {
    if (!attached)
        return;
    UnhookWindowsHookEx(theme.hook);
    EnumThreadWindows(theme.thread, restoreTopLevel, 0);
    releaseObjects();
    theme = Theme{};
    attached = false;
}

} // namespace skin
