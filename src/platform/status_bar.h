#pragma once
// A status bar along the bottom edge of its window.
#include "platform/child_control.h"

namespace tarnwick::platform {

class StatusBar : public ChildControl {
  public:
    bool create(Window& parent);
};

} // namespace tarnwick::platform
