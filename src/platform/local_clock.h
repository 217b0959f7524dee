#pragma once
// The current local date and time, as the schedule check compares it with a run time.
#include "schedule/date_time.h"

namespace tarnwick::platform {

DateTime localNow();

} // namespace tarnwick::platform
