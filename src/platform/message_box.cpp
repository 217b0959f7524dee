#include "platform/message_box.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"

namespace tarnwick::platform {

int messageBox(HWND owner, const std::string& text, const std::string& title, unsigned flags) {
    return MessageBoxW(owner, widen(text).c_str(), widen(title).c_str(), flags);
}

void NoticeBox::show(const std::string& text) {
    messageBox(owner_, text, "提示", boxFlags::information | boxFlags::ok | extraFlags_);
}

} // namespace tarnwick::platform
