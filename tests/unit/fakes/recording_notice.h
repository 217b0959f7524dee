#pragma once
// Keeps the texts of the notices shown instead of showing them.
#include "support/notice.h"

#include <string>
#include <vector>

namespace tarnwick::testing {

class RecordingNotice : public Notice {
  public:
    std::vector<std::string> shown;
    void show(const std::string& text) override { shown.push_back(text); }
};

} // namespace tarnwick::testing
