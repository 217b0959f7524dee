#pragma once
// A notice that blocks every window of the program until it is answered: title "提示", the
// information icon, an OK button, task-modal.
#include "support/notice.h"

namespace tarnwick::platform {

class TaskModalNotice : public Notice {
  public:
    void show(const std::string& text) override;
};

} // namespace tarnwick::platform
