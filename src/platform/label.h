#pragma once
// A static text beside another control.
#include "platform/child_control.h"

namespace tarnwick::platform {

class Label : public ChildControl {
  public:
    bool create(Window& parent, const ControlArgs& args);
};

} // namespace tarnwick::platform
