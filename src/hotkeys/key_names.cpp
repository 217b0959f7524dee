#include "hotkeys/key_names.h"

#include <array>

namespace tarnwick {
namespace {

struct KeyName {
    std::string_view name;
    int32_t keyCode;
};

constexpr std::array<KeyName, 12> keyNames = {{
    {"F1", 112},
    {"F2", 113},
    {"F3", 114},
    {"F4", 115},
    {"F5", 116},
    {"F6", 117},
    {"F7", 118},
    {"F8", 119},
    {"F9", 120},
    {"F10", 121},
    {"F11", 122},
    {"F12", 123},
}};

} // namespace

int32_t keyCodeForName(std::string_view name) {
    for (const KeyName& entry : keyNames) {
        if (entry.name == name)
            return entry.keyCode;
    }
    return 0;
}

} // namespace tarnwick
