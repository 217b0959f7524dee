#include "driver/message_box.h"

#include "driver/buttons.h"
#include "driver/window_finding.h"
#include "platform/win32.h"

namespace e2e {

namespace {

constexpr wchar_t dialogClass[] = L"#32770";

HWND findMessageBox(uint32_t processId, const std::wstring& title) {
    HWND box = findTopWindow(processId, title);
    return box && windowClassName(box) == dialogClass ? box : nullptr;
}

} // namespace

HWND waitForMessageBox(uint32_t processId, const std::wstring& title, milliseconds timeout) {
    return waitFor([&] { return findMessageBox(processId, title); }, timeout);
}

std::wstring messageBoxText(HWND box) {
    for (HWND label : descendantsOfClass(box, L"Static"))
        if (std::wstring text = windowText(label); !text.empty())
            return text;
    return {};
}

void pressOk(HWND box) {
    clickButton(GetDlgItem(box, IDOK));
}

} // namespace e2e
