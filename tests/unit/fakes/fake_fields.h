#pragma once
// Fields that hold their text and state, as the controls on screen do.
#include "support/check_field.h"
#include "support/choice_field.h"
#include "support/text_field.h"

#include <string>
#include <vector>

namespace tarnwick::testing {

class FakeTextField : public TextField {
  public:
    explicit FakeTextField(std::string start = {}, bool enabled = true)
        : text_(std::move(start)), enabled_(enabled) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }

  private:
    std::string text_;
    bool enabled_;
};

// A drop-down list of names; its text is the entry shown.
class FakeChoiceField : public ChoiceField {
  public:
    FakeChoiceField(std::vector<std::string> entries, std::string shown)
        : entries_(std::move(entries)), shown_(std::move(shown)) {}
    std::string text() const override { return shown_; }
    void setText(const std::string& text) override { shown_ = text; }
    void setEnabled(bool) override {}
    bool isEnabled() const override { return true; }
    void selectIndex(int index) override {
        shown_ = index >= 0 && index < int(entries_.size()) ? entries_[size_t(index)] : "";
    }

  private:
    std::vector<std::string> entries_;
    std::string shown_;
};

class FakeCheckField : public CheckField {
  public:
    explicit FakeCheckField(bool checked) : checked_(checked) {}
    bool isChecked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }

  private:
    bool checked_;
};

} // namespace tarnwick::testing
