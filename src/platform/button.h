#pragma once
// A push button whose click reaches onClick.
#include "platform/child_control.h"

#include <functional>

namespace tarnwick::platform {

class Button : public ChildControl {
  public:
    bool create(Window& parent, const ControlArgs& args);
    std::function<void()> onClick;
};

// A group box: a frame with a title around other controls.
class GroupBox : public ChildControl {
  public:
    bool create(Window& parent, const ControlArgs& args);
};

} // namespace tarnwick::platform
