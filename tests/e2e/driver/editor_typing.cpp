#include "driver/editor_typing.h"

#include "driver/keyboard.h"
#include "driver/mouse.h"
#include "driver/send_message.h"
#include "driver/window_finding.h"
#include "driver/window_geometry.h"
#include "platform/win32.h"

namespace e2e {

namespace {

constexpr milliseconds settleTime = 150ms;
constexpr milliseconds betweenKeys = 20ms;

void sendUnicode(wchar_t unit, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = unit;
    input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
    SendInput(1, &input, sizeof input);
}

void tap(unsigned short virtualKey) {
    pressKey(virtualKey, betweenKeys);
    std::this_thread::sleep_for(betweenKeys);
}

// The list of an open drop-down box is a window of its own at the top level.
HWND openDropDownList() {
    for (HWND list : topWindowsOfClass(L"ComboLBox"))
        if (IsWindowVisible(list))
            return list;
    return nullptr;
}

bool isDropped(HWND combo) {
    return sendWithTimeout(combo, CB_GETDROPPEDSTATE, 0, 0).value_or(0) != 0;
}

} // namespace

void settleInput() {
    std::this_thread::sleep_for(settleTime);
}

void typeCharacters(const std::wstring& text) {
    for (wchar_t unit : text) {
        sendUnicode(unit, 0);
        sendUnicode(unit, KEYEVENTF_KEYUP);
        std::this_thread::sleep_for(betweenKeys);
    }
}

void retypeField(HWND edit, const std::wstring& text) {
    click(screenCentre(edit));
    settleInput();
    tap(VK_END);
    for (size_t i = windowText(edit).size(); i > 0; --i)
        tap(VK_BACK);
    typeCharacters(text);
}

bool chooseComboEntry(HWND combo, int index) {
    click(screenCentre(combo));
    HWND list = waitFor(openDropDownList);
    if (!list)
        return false;
    settleInput();
    sendWithTimeout(list, LB_SETTOPINDEX, static_cast<uintptr_t>(index), 0);
    const int top = static_cast<int>(sendWithTimeout(list, LB_GETTOPINDEX, 0, 0).value_or(0));
    const int itemHeight =
        static_cast<int>(sendWithTimeout(combo, CB_GETITEMHEIGHT, 0, 0).value_or(0));
    RECT client{};
    GetClientRect(list, &client);
    POINT entry{client.right / 2, (index - top) * itemHeight + itemHeight / 2};
    ClientToScreen(list, &entry);
    click({entry.x, entry.y});
    return waitUntil([&] { return !isDropped(combo); });
}

} // namespace e2e
