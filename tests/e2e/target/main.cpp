// A plain Unicode window that logs every input message it receives, one line each, flushed
// at once so a test can read the log while the window lives.
//   e2e_target.exe --log <file> --caption <text> --rect <x>,<y>,<width>,<height>
// Line format: <QPC ticks> <event> <fields...>; the first line gives the QPC frequency and
// the window handle. Parameters and the paste text (UTF-16 units) are hexadecimal, so the
// log stays ASCII.
#include "platform/win32.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Options {
    std::wstring logPath;
    std::wstring caption = L"e2e target";
    int x = 100, y = 100, width = 400, height = 300;
};

Options parseOptions() {
    Options options;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args && i + 1 < count; i += 2) {
        const std::wstring name = args[i];
        const wchar_t* value = args[i + 1];
        if (name == L"--log")
            options.logPath = value;
        else if (name == L"--caption")
            options.caption = value;
        else if (name == L"--rect")
            swscanf(value, L"%d,%d,%d,%d", &options.x, &options.y, &options.width, &options.height);
    }
    LocalFree(args);
    return options;
}

HANDLE logFile = INVALID_HANDLE_VALUE;

void writeLine(const std::string& fields) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const std::string line = std::to_string(now.QuadPart) + " " + fields + "\n";
    DWORD written = 0;
    WriteFile(logFile, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

std::string hex(unsigned long long value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%llx", value);
    return buffer;
}

std::string hexUnits(const std::wstring& text) {
    std::string out;
    for (wchar_t unit : text)
        out += " " + hex(static_cast<unsigned short>(unit));
    return out;
}

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = units;
            GlobalUnlock(data);
        }
    } else if (HANDLE bytes = GetClipboardData(CF_TEXT)) {
        if (auto* chars = static_cast<const char*>(GlobalLock(bytes))) {
            for (const char* c = chars; *c; ++c)
                text += static_cast<wchar_t>(static_cast<unsigned char>(*c));
            GlobalUnlock(bytes);
        }
    }
    CloseClipboard();
    return text;
}

const char* buttonEventName(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return "lbuttondown";
    case WM_LBUTTONUP:
        return "lbuttonup";
    case WM_LBUTTONDBLCLK:
        return "lbuttondblclk";
    case WM_RBUTTONDOWN:
        return "rbuttondown";
    case WM_RBUTTONUP:
        return "rbuttonup";
    case WM_RBUTTONDBLCLK:
        return "rbuttondblclk";
    case WM_MBUTTONDOWN:
        return "mbuttondown";
    case WM_MBUTTONUP:
        return "mbuttonup";
    case WM_MBUTTONDBLCLK:
        return "mbuttondblclk";
    default:
        return nullptr;
    }
}

const char* keyEventName(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return "keydown";
    case WM_KEYUP:
        return "keyup";
    case WM_SYSKEYDOWN:
        return "syskeydown";
    case WM_SYSKEYUP:
        return "syskeyup";
    case WM_CHAR:
        return "char";
    default:
        return nullptr;
    }
}

std::string messageFields(const char* name, WPARAM wParam, LPARAM lParam) {
    return std::string(name) + " " + hex(static_cast<unsigned long long>(wParam)) + " " +
           hex(static_cast<unsigned long long>(static_cast<ULONG_PTR>(lParam)));
}

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const char* name = buttonEventName(message)) {
        writeLine(messageFields(name, wParam, lParam) + " " + std::to_string(GET_X_LPARAM(lParam)) +
                  " " + std::to_string(GET_Y_LPARAM(lParam)));
        return 0;
    }
    if (const char* name = keyEventName(message)) {
        writeLine(messageFields(name, wParam, lParam));
        return 0;
    }
    switch (message) {
    case WM_MOUSEWHEEL:
        writeLine(messageFields("mousewheel", wParam, lParam));
        return 0;
    case WM_PASTE:
        writeLine(messageFields("paste", wParam, lParam) + hexUnits(clipboardText()));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const Options options = parseOptions();
    logFile =
        CreateFileW(options.logPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (logFile == INVALID_HANDLE_VALUE)
        return 2;

    WNDCLASSW windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = targetProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"TarnwickE2eTarget";
    if (!RegisterClassW(&windowClass))
        return 3;
    HWND window = CreateWindowW(windowClass.lpszClassName, options.caption.c_str(),
                                WS_OVERLAPPEDWINDOW, options.x, options.y, options.width,
                                options.height, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 4;

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    writeLine("start " + std::to_string(frequency.QuadPart) + " " +
              hex(reinterpret_cast<ULONG_PTR>(window)));
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    CloseHandle(logFile);
    return 0;
}
