#include "schedule/ui/set_time_window.h"

#include "platform/button.h"
#include "platform/date_time_picker.h"
#include "platform/label.h"
#include "platform/modal_loop.h"
#include "platform/window.h"

namespace tarnwick {

void runSetTimeWindow(HWND owner, const std::function<void(const DateTime&)>& onOk) {
    platform::Window window;
    platform::Label timeLabel;
    platform::DateTimePicker timePicker;
    platform::Button okButton;
    window.onCreated = [&] {
        timeLabel.create(window, {12, 12, 60, 28, "执行时间"});
        timePicker.create(window, {76, 12, 184, 28, ""});
        timePicker.setFormat("yyyy-MM-dd HH:mm:ss");
        okButton.create(window, {272, 12, 80, 28, "确 定"});
    };
    window.onCloseRequest = [&] {
        window.hide();
        return false;
    };
    okButton.onClick = [&] {
        onOk(timePicker.value());
        window.hide();
    };
    if (window.create({"设置时间", 0, 0, 374, 79}))
        platform::runModal(window, owner);
}

} // namespace tarnwick
