#pragma once
// Hotkey names as the script list stores them ("F1" to "F12") and their virtual-key codes.
#include <cstdint>
#include <string_view>

namespace tarnwick {

// The key code of the name, compared byte for byte and case-sensitively; 0 for any other text.
int32_t keyCodeForName(std::string_view name);

} // namespace tarnwick
