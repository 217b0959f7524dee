#pragma once
// Any control's caption as a text field: the labels and the confirm button, whose caption is
// the editor's state.
#include "platform/child_control.h"
#include "support/text_field.h"

namespace tarnwick {

class ControlText : public TextField {
  public:
    explicit ControlText(platform::ChildControl& control) : control_(control) {}
    std::string text() const override { return control_.text(); }
    void setText(const std::string& text) override { control_.setText(text); }
    void setEnabled(bool enabled) override { control_.setEnabled(enabled); }
    bool isEnabled() const override { return control_.isEnabled(); }

  private:
    platform::ChildControl& control_;
};

} // namespace tarnwick
