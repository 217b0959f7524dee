#pragma once
// A user's typing and choosing in another program's fields: real clicks to put the focus in
// a field, real key presses (SendInput) to change it. Characters go in as Unicode key events,
// so any text can be typed whatever the keyboard layout.
#include <string>

#include "driver/polling.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

// Types into whatever has the keyboard focus.
void typeCharacters(const std::wstring& text);
// Clicks into the edit box, deletes what it holds key by key and types the text.
void retypeField(HWND edit, const std::wstring& text);
// Opens the drop-down list with a click and clicks the entry. False if the list does not open
// or close in time.
bool chooseComboEntry(HWND combo, int index);
// Lets wine's key state settle after a focus or pointer change, so the next key is not
// released behind the test's back.
void settleInput();

} // namespace e2e
