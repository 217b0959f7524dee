#pragma once
// Which script the editor works on. One record for the process, filled by the script list
// commands before the editor opens; touched only on the user-interface thread.
#include <cstdint>
#include <string>

namespace tarnwick {

namespace editMode {
inline constexpr const char* add = "添加";
inline constexpr const char* modify = "修改";
} // namespace editMode

struct EditContext {
    std::string name;
    std::string startHotkey;
    std::string stopHotkey; // kept for the settings file; the editor does not use it
    std::string loopCount;
    std::string mode; // editMode::add or editMode::modify
    int32_t row = 0;  // the script's row in the script list
};

} // namespace tarnwick
