#pragma once
// Message boxes of another process: found by their title, read, and answered.
#include <cstdint>
#include <string>

#include "driver/polling.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

// The message box of the process with this title; null if none shows within the timeout.
HWND waitForMessageBox(uint32_t processId, const std::wstring& title,
                       milliseconds timeout = defaultTimeout);
// The message text (the box's static control that holds text, not the icon).
std::wstring messageBoxText(HWND box);
// Presses the box's OK button.
void pressOk(HWND box);

} // namespace e2e
