#pragma once
// Message boxes with GBK texts.
#include "platform/handles.h"
#include "support/notice.h"

#include <string>

namespace tarnwick::platform {

namespace boxFlags {
inline constexpr unsigned ok = 0x0;
inline constexpr unsigned exclamation = 0x30;
inline constexpr unsigned information = 0x40;
inline constexpr unsigned taskModal = 0x2000;
} // namespace boxFlags

int messageBox(HWND owner, const std::string& text, const std::string& title, unsigned flags);

// Answers wrong user input: title "提示", information icon, owned by the given window. A
// task-modal notice has no owner and blocks every window of the program until it is answered.
class NoticeBox : public Notice {
  public:
    explicit NoticeBox(HWND owner) : owner_(owner) {}
    static NoticeBox taskModal() { return NoticeBox(nullptr, boxFlags::taskModal); }
    void show(const std::string& text) override;

  private:
    NoticeBox(HWND owner, unsigned extraFlags) : owner_(owner), extraFlags_(extraFlags) {}
    HWND owner_;
    unsigned extraFlags_ = 0;
};

} // namespace tarnwick::platform
