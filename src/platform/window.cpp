#include "platform/window.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"

#include <commctrl.h>

namespace tarnwick::platform {
namespace {

constexpr wchar_t className[] = L"TarnwickWindow";

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            auto* window = static_cast<Window*>(create->lpCreateParams);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
            window->attach(hwnd);
        }
        auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        intptr_t result = 0;
        if (window && window->handleMessage(message, wParam, lParam, result))
            return result;
    } catch (...) {
        // Nothing may unwind into the system's code.
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void registerClassOnce() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = windowProcedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
        wc.hIconSm = wc.hIcon;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

} // namespace

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Window::create(const WindowArgs& args) {
    registerClassOnce();
    const std::wstring caption = widen(args.caption);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND hwnd =
        CreateWindowExW(WS_EX_CONTROLPARENT, className, caption.c_str(), style, args.x, args.y,
                        args.width, args.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd)
        return false;
    if (onCreated)
        onCreated();
    return true;
}

void Window::show() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void Window::hide() {
    ShowWindow(hwnd_, SW_HIDE);
}

bool Window::isVisible() const {
    return IsWindowVisible(hwnd_) != FALSE;
}

void Window::setCaption(const std::string& caption) {
    SetWindowTextW(hwnd_, widen(caption).c_str());
}

int Window::addCommandHandler(std::function<void(int)> handler) {
    const int id = nextControlId_++;
    commandHandlers_[id] = std::move(handler);
    return id;
}

void Window::addNotifyHandler(int controlId, std::function<intptr_t(const void*)> handler) {
    notifyHandlers_[controlId] = std::move(handler);
}

unsigned Window::addMessageHandler(std::function<void(uintptr_t, intptr_t)> handler) {
    const unsigned message = WM_APP + 1 + nextMessage_++;
    messageHandlers_[message] = std::move(handler);
    return message;
}

HFONT Window::controlFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        HFONT f = CreateFontIndirectW(&metrics.lfMessageFont);
        return f ? f : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

bool Window::handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    switch (message) {
    case WM_CLOSE:
        if (onCloseRequest && !onCloseRequest()) {
            result = 0;
            return true;
        }
        return false;
    case WM_COMMAND: {
        auto it = commandHandlers_.find(LOWORD(wParam));
        if (it == commandHandlers_.end() || lParam == 0)
            return false;
        it->second(HIWORD(wParam));
        result = 0;
        return true;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        auto it = notifyHandlers_.find(int(header->idFrom));
        if (it == notifyHandlers_.end())
            return false;
        result = it->second(header);
        return true;
    }
    default:
        break;
    }
    auto it = messageHandlers_.find(message);
    if (it == messageHandlers_.end())
        return false;
    it->second(wParam, lParam);
    result = 0;
    return true;
}

} // namespace tarnwick::platform
