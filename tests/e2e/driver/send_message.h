#pragma once
// Messages sent to another process's windows never block a test for long: a hung or
// modal-looping program gives an empty result instead.
#include <cstdint>
#include <optional>

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

std::optional<intptr_t> sendWithTimeout(HWND window, unsigned message, uintptr_t wParam,
                                        intptr_t lParam);

} // namespace e2e
