#pragma once
// A drop-down list of fixed names. Its text is the name shown; setting a text shows the entry
// of exactly that name, or nothing when there is none.
#include "platform/child_control.h"
#include "support/choice_field.h"

#include <functional>
#include <vector>

namespace tarnwick::platform {

class ComboBox : public ChildControl, public ChoiceField {
  public:
    // The height is that of the box with its list dropped down.
    bool create(Window& parent, const ControlArgs& args, const std::vector<std::string>& entries);

    std::string text() const override;
    void setText(const std::string& text) override;
    void setEnabled(bool enabled) override { ChildControl::setEnabled(enabled); }
    bool isEnabled() const override { return ChildControl::isEnabled(); }
    void selectIndex(int index) override;
    // The entry shown, or -1.
    int selectedIndex() const;

    // The list is about to drop down.
    std::function<void()> onListOpening;
    // The user has chosen an entry, with the mouse or the keyboard; not raised by the program's
    // own selections.
    std::function<void()> onEntryChosen;

  private:
    std::vector<std::string> entries_;
};

} // namespace tarnwick::platform
