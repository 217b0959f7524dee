#pragma once
// The message boxes that answer wrong user input: title "提示", the information icon.
#include <string>

namespace tarnwick {

class Notice {
  public:
    virtual ~Notice() = default;
    virtual void show(const std::string& text) = 0;
};

} // namespace tarnwick
