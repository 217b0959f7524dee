#pragma once
// The window "设置时间": a date-time picker for a script's run time and the OK button. OK hands
// the picked time to onOk and closes; closing it any other way hands over nothing.
#include "platform/handles.h"
#include "schedule/date_time.h"

#include <functional>

namespace tarnwick {

// Returns once the window has closed.
void runSetTimeWindow(HWND owner, const std::function<void(const DateTime& picked)>& onOk);

} // namespace tarnwick
