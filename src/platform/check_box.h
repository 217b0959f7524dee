#pragma once
// A check box that the user's click toggles before onClick runs.
#include "platform/child_control.h"
#include "support/check_field.h"

#include <functional>

namespace tarnwick::platform {

class CheckBox : public ChildControl, public CheckField {
  public:
    bool create(Window& parent, const ControlArgs& args, bool checked);

    bool isChecked() const override;
    void setChecked(bool checked) override;

    std::function<void()> onClick;
};

} // namespace tarnwick::platform
