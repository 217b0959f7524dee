#pragma once
// Colours as they reach the screen, to see whether a window is drawn with the skin.
#include <cstdint>

#include "driver/window_geometry.h"

namespace e2e {

// The colour of the screen pixel as 0xRRGGBB, the way the skin file writes colours.
uint32_t screenColour(Point point);
// The system colour of this index (COLOR_...) as 0xRRGGBB.
uint32_t systemColour(int index);

} // namespace e2e
