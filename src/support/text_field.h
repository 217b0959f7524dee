#pragma once
// A control seen as its text: an edit box, a label, a button's caption.
#include <string>

namespace tarnwick {

class TextField {
  public:
    virtual ~TextField() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

} // namespace tarnwick
