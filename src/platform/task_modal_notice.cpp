#include "platform/task_modal_notice.h"

#include "platform/message_box.h"

namespace tarnwick::platform {

void TaskModalNotice::show(const std::string& text) {
    messageBox(nullptr, text, "提示", boxFlags::information | boxFlags::ok | boxFlags::taskModal);
}

} // namespace tarnwick::platform
