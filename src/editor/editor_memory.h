#pragma once
// What the editor keeps for the whole process, across its openings. Touched only on the
// user-interface thread.
#include <cstdint>
#include <string>

namespace tarnwick {

struct CursorPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The "x,y" form of a step's position cell.
inline std::string positionText(CursorPoint p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

struct EditorMemory {
    // The cursor's last 200 ms sample; capture takes this, not a fresh reading.
    CursorPoint lastCursorPos;
    // The start-hotkey box's text when its list last dropped down; empty until it has.
    std::string rememberedHotkey;
};

} // namespace tarnwick
