#pragma once
// A check box seen as its state.
namespace tarnwick {

class CheckField {
  public:
    virtual ~CheckField() = default;
    virtual bool isChecked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

} // namespace tarnwick
