#pragma once
// An edit box. onTextChanged reports the user's edits only, not texts set by the program, and
// the box's key presses reach onKeyDown and onKeyUp as virtual-key codes.
#include "platform/child_control.h"
#include "support/text_field.h"

#include <functional>

namespace tarnwick::platform {

struct EditBoxStyle {
    bool multiline = false;
    // A box that records keys: typed characters are not inserted, system keys (F10, Alt) do
    // not open the window menu, and Tab, Enter and Esc are recorded rather than moving the
    // focus or closing the window (the mouse leaves the box).
    bool capturesKeys = false;
};

class EditBox : public ChildControl, public TextField {
  public:
    EditBox() = default;
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;
    ~EditBox();

    bool create(Window& parent, const ControlArgs& args, EditBoxStyle style = {});

    std::string text() const override { return ChildControl::text(); }
    void setText(const std::string& text) override { ChildControl::setText(text); }
    void setEnabled(bool enabled) override { ChildControl::setEnabled(enabled); }
    bool isEnabled() const override { return ChildControl::isEnabled(); }

    std::function<void()> onTextChanged;
    std::function<void(int keyCode)> onKeyDown;
    std::function<void(int keyCode)> onKeyUp;

    // For the subclass procedure only: true when the message is not to reach the box.
    bool keyMessage(unsigned message, uintptr_t keyCode);
    bool capturesKeys() const { return capturesKeys_; }

  private:
    void textChanged();
    bool capturesKeys_ = false;
};

} // namespace tarnwick::platform
